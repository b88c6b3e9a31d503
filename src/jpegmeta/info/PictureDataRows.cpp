#include "jpegmeta/info/PictureDataRows.h"

#include "jpegmeta/iptc/App12Text.h"
#include "jpegmeta/iptc/IptcRecord.h"
#include "jpegmeta/segments/CommentSegment.h"
#include "jpegmeta/segments/HeaderCollector.h"
#include "jpegmeta/tags/EntryText.h"
#include "jpegmeta/tags/EntryValues.h"
#include "jpegmeta/tags/TagDictionary.h"
#include "resources/StringTable.h"
#include "resources/InfoStrings.h"

namespace vistello {

namespace {

bool standardKind(IfdKind kind) { return kind == IfdKind::Ifd0 || kind == IfdKind::ExifIfd || kind == IfdKind::Ifd1; }

PictureDataRow rowOf(const ExifData& tree, const ExifEntry& e, const QString& name, const QString& value)
{
    PictureDataRow row(name, value, int(e.kind));
    if (!standardKind(e.kind))
        return row; // maker notes reuse the numbers for other things
    if (e.tag == 0x0112) {
        const tags::EntryValues values(tree.block(), e);
        if (values.elementCount() > 0)
            row.orientation = values.unsignedAt(0);
    } else if (e.tag == 0xA302) {
        row.colourFilter = colourFilterGrid(tree.block(), e);
    }
    return row;
}

void appendRows(const ExifData& tree, const std::vector<ExifEntry>& entries, std::vector<PictureDataRow>& rows)
{
    for (const ExifEntry& e : entries) {
        const QString name = tagName(e.tag, e.kind);
        if (!name.isEmpty()) {
            const QString value = entryText(tree, e);
            if (!value.isEmpty())
                rows.push_back(rowOf(tree, e, name, value));
        }
        appendRows(tree, e.children, rows);
    }
}

} // namespace

std::vector<PictureDataRow> exifRows(const ExifData& tree)
{
    std::vector<PictureDataRow> rows;
    for (const Ifd& ifd : tree.ifds())
        appendRows(tree, ifd.entries, rows);
    return rows;
}

PictureDataSections pictureDataSections(const HeaderData& header)
{
    PictureDataSections sections;
    if (header.hasExif()) {
        ExifData tree;
        tree.parse(header.exifBytes, header.exifBase);
        sections.exif = exifRows(tree);
    }
    for (const MetaTextRow& row : iptcRows(parseIptc(header.iptc)))
        sections.iptc.push_back({row.name, row.value, 1});
    for (const MetaTextRow& row : app12Rows(header.app12))
        sections.app12.push_back({row.name, row.value, 0});
    const QString comment = readCommentSegment(header.comment);
    if (!comment.isEmpty())
        sections.comment.push_back({strings::text(strings::kSectionComment), comment, 0});
    return sections;
}

PictureDataSections readPictureDataSections(const QString& path)
{
    CollectFromFile want;
    want.wantIptc = true;
    want.wantComment = true;
    want.wantApp12 = true;
    return pictureDataSections(collectHeaderData(path, want));
}

} // namespace vistello
