#include "jpegmeta/info/PictureDataText.h"

#include "resources/StringTable.h"
#include "resources/InfoStrings.h"

#include <algorithm>

namespace vistello {

namespace {

constexpr QLatin1String kLineEnd("\r\n");

void appendRows(QString& text, const std::vector<PictureDataRow>& rows, qsizetype width)
{
    for (const PictureDataRow& row : rows)
        text += row.name.leftJustified(width) + QStringLiteral(": ") + row.value + kLineEnd;
}

void appendSection(QString& text, int title, const std::vector<PictureDataRow>& rows, qsizetype width)
{
    if (rows.empty())
        return;
    text += kLineEnd + strings::text(title) + kLineEnd + QString(width, QLatin1Char('-')) + kLineEnd;
    appendRows(text, rows, width);
}

} // namespace

QString pictureDataText(const QString& path, const PictureDataSections& sections)
{
    qsizetype width = strings::text(strings::kSectionComment).size();
    for (const auto* rows : {&sections.exif, &sections.iptc, &sections.app12, &sections.comment})
        for (const PictureDataRow& row : *rows)
            width = std::max(width, row.name.size());

    QString text = strings::text(strings::kPictureDataFor).replace(QLatin1String("%s"), path) + kLineEnd;
    appendSection(text, strings::kSectionExif, sections.exif, width);
    appendSection(text, strings::kSectionIptc, sections.iptc, width);
    appendSection(text, strings::kSectionApp12, sections.app12, width);
    appendSection(text, strings::kSectionComment, sections.comment, width);
    return text;
}

QString pictureDataSectionText(const std::vector<PictureDataRow>& rows)
{
    qsizetype width = 0;
    for (const PictureDataRow& row : rows)
        width = std::max(width, row.name.size());
    QString text;
    appendRows(text, rows, width);
    return text;
}

} // namespace vistello
