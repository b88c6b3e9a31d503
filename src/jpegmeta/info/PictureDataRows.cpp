#include "jpegmeta/info/PictureDataRows.h"

#include "jpegmeta/segments/CommentSegment.h"
#include "jpegmeta/segments/HeaderCollector.h"
#include "jpegmeta/tags/EntryText.h"
#include "jpegmeta/tags/TagDictionary.h"
#include "resources/StringTable.h"
#include "resources/InfoStrings.h"

namespace vistello {

namespace {

void appendRows(const ExifData& tree, const std::vector<ExifEntry>& entries, std::vector<PictureDataRow>& rows)
{
    for (const ExifEntry& e : entries) {
        const QString name = tagName(e.tag, e.kind);
        if (!name.isEmpty()) {
            const QString value = entryText(tree, e);
            if (!value.isEmpty())
                rows.push_back({name, value, int(e.kind)});
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
