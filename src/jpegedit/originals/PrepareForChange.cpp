#include "jpegedit/originals/PrepareForChange.h"

#include "jpegedit/originals/CopyName.h"
#include "jpegedit/originals/OriginalBackup.h"

namespace vistello {

std::optional<PreparedChange> prepareForChange(const QString& picture, bool makeCopy, bool copyOriginal,
                                               const FileSteps& steps)
{
    if (makeCopy) {
        const QString copy = makeCopyName(picture, false, steps);
        if (copy.isEmpty())
            return std::nullopt;
        return PreparedChange{copy, true};
    }
    if (!backUpOriginalIfWanted(picture, copyOriginal, steps))
        return std::nullopt;
    return PreparedChange{picture, false};
}

} // namespace vistello
