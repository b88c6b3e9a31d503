#include "app/window/options/FormatRows.h"

#include "core/filetypes/PictureFileTypes.h"
#include "app/window/taskpane/FormatOptions.h"
#include "resources/OptionsStrings.h"

namespace vistello {
namespace {

constexpr int kThmMessage = 33423;

QString readWriteText(const PictureFileType& type)
{
    if (type.readable && type.writable)
        return strings::text(strings::kReadWrite);
    if (type.readable)
        return strings::text(strings::kOnlyRead);
    if (type.writable)
        return strings::text(strings::kOnlyWrite);
    return {};
}

} // namespace

std::vector<FormatRow> formatRows(const PictureFileTypes& types)
{
    std::vector<FormatRow> rows;
    for (const bool external : {false, true})
        for (const PictureFileType& type : types.fileTypes())
            if (type.external == external)
                rows.push_back({type.extension, strings::text(external ? strings::kExtern : strings::kIntern),
                                readWriteText(type), type.description, type.formatName, type.external});
    return rows;
}

FormatSettingsAction formatSettingsAction(const FormatRow& row)
{
    if (formatHasOptionsDialog(row.formatName) || row.external)
        return {true, 0};
    if (row.extension.compare(QLatin1String(".bmp"), Qt::CaseInsensitive) == 0)
        return {false, strings::kBmpSettings};
    if (row.extension.compare(QLatin1String(".thm"), Qt::CaseInsensitive) == 0)
        return {false, kThmMessage};
    return {};
}

} // namespace vistello
