#include "jpegmeta/info/PictureDataDrawing.h"

#include "jpegmeta/exif/ExifTypes.h"
#include "resources/InfoStrings.h"
#include "resources/StringTable.h"

namespace vistello {

namespace {

constexpr int kIptcKind = 1;

void appendSection(std::vector<PictureDataItem>& items, int titleText, const std::vector<PictureDataRow>& rows,
                   int thumbnailRows)
{
    if (rows.empty())
        return;
    items.push_back({});
    items.push_back({PictureDataItem::Type::Title, strings::text(titleText), {}});
    int ifd1Rows = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        items.push_back({PictureDataItem::Type::Row, {}, rows[i]});
        if (rows[i].kind != int(IfdKind::Ifd1))
            continue;
        ++ifd1Rows;
        const bool lastOfIfd1 = i + 1 == rows.size() || rows[i + 1].kind != int(IfdKind::Ifd1);
        for (; lastOfIfd1 && ifd1Rows < thumbnailRows; ++ifd1Rows)
            items.push_back({});
    }
}

} // namespace

std::vector<PictureDataItem> pictureDataItems(const PictureDataSections& sections, int thumbnailRows)
{
    std::vector<PictureDataItem> items;
    appendSection(items, strings::kSectionExif, sections.exif, thumbnailRows);
    appendSection(items, strings::kSectionIptc, sections.iptc, 0);
    appendSection(items, strings::kSectionApp12, sections.app12, 0);
    appendSection(items, strings::kSectionComment, sections.comment, 0);
    return items;
}

int rowsForHeight(int height, int rowHeight)
{
    if (height <= 0 || rowHeight <= 0)
        return 0;
    return int((int64_t(height) + rowHeight - 1) / rowHeight);
}

QColor pictureDataRowColour(int kind)
{
    if (kind == kIptcKind)
        return QColor(255, 204, 0);
    if (kind >= int(IfdKind::CanonNote) && kind <= int(IfdKind::FujiNote))
        return QColor(153, 204, 255);
    switch (kind) {
    case int(IfdKind::Ifd0):
        return QColor(255, 255, 204);
    case int(IfdKind::ExifIfd):
        return QColor(204, 204, 255);
    case int(IfdKind::GpsIfd):
        return QColor(204, 255, 255);
    case int(IfdKind::Ifd1):
        return QColor(255, 204, 204);
    default:
        return QColor(204, 204, 204);
    }
}

bool drawsValueBold(const PictureDataRow& row) { return row.name == QLatin1String("Model"); }

std::vector<OrientationPictogram> orientationPictograms(const PictureDataRow& row)
{
    std::vector<OrientationPictogram> pictograms;
    if (!row.orientation)
        return pictograms;
    const uint32_t stored = *row.orientation;
    const bool valid = stored >= 1 && stored <= 8;
    if (row.kind == int(IfdKind::Ifd1)) {
        if (valid)
            pictograms.push_back({int(stored), true});
        return pictograms;
    }
    for (int o = 1; o <= 8; ++o)
        pictograms.push_back({o, valid && uint32_t(o) == stored});
    return pictograms;
}

} // namespace vistello
