#include "jpegedit/originals/EncodedPlacement.h"

#include "jpegedit/originals/CopyName.h"
#include "jpegedit/originals/OriginalBackup.h"
#include "platform/FileReplace.h"

#include <optional>

namespace vistello {

PlacedPicture placeEncodedPicture(const QString& picture, const EncodedPicture& encoded, bool makeCopy,
                                  bool copyOriginal)
{
    const QString target = makeCopy ? makeCopyName(picture, true) : picture;
    if (target.isEmpty())
        return {PlacementFailure::NoCopyName, picture, QStringLiteral("No free name for a copy")};
    if (!makeCopy && !backUpOriginalIfWanted(picture, copyOriginal))
        return {PlacementFailure::Backup, picture, {}};
    const std::optional<QDateTime> modified = encoded.modified.isValid() ? std::optional(encoded.modified) : std::nullopt;
    NewFileAttributes attributes;
    if (modified)
        attributes.modificationTime = NewFileAttributes::at(*modified);
    QString error;
    // A copy takes a free name and never replaces a file that took it meanwhile.
    const bool written = makeCopy ? createNewFile(target, encoded.bytes, &error, attributes)
                                  : replaceFileKeepingTimes(target, encoded.bytes, &error, modified);
    if (!written)
        return {PlacementFailure::Write, target, error};
    return {PlacementFailure::None, target, {}};
}

} // namespace vistello
