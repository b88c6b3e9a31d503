#include "app/window/taskpane/ConvertTargets.h"

#include "core/filetypes/PictureFileTypes.h"

namespace vistello {

QString ConvertTarget::text() const
{
    return description.isEmpty() ? extension : extension + QStringLiteral(" - ") + description;
}

std::vector<ConvertTarget> convertTargets(const PictureFileTypes& types)
{
    std::vector<ConvertTarget> targets;
    for (const FormatListEntry& format : types.formats()) {
        if (!format.writable || format.firstExtension.isEmpty())
            continue;
        const PictureFileType* type = types.typeOf(format.firstExtension);
        // A later format that lost its extension to an earlier one cannot be reached by it.
        if (!type || !type->writable || type->formatName != format.formatName)
            continue;
        targets.push_back({format.firstExtension, type->description, format.formatName});
    }
    return targets;
}

int chosenTarget(const std::vector<ConvertTarget>& targets, const QString& stored)
{
    for (size_t i = 0; i < targets.size(); ++i)
        if (targets[i].extension.compare(stored, Qt::CaseInsensitive) == 0)
            return int(i);
    return targets.empty() ? -1 : 0;
}

} // namespace vistello
