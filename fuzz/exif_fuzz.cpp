// Fuzzes the EXIF readers on one TIFF block: the tree (maker notes and Canon
// arrays included), the summary, the picture date and both thumbnail
// locators; the same bytes also feed ICC chunk assembly and the thumbnail
// search inside a JPEG header run. Then the bytes become the maker note of
// one of the decoded makers inside a valid EXIF block, and every entry's
// name and text is formatted.
#include "app/samples/ExifBuilder.h"
#include "jpegmeta/exif/ExifData.h"
#include "jpegmeta/exif/ExifSummary.h"
#include "jpegmeta/exif/PictureDate.h"
#include "jpegmeta/exif/ThumbnailLocator.h"
#include "jpegmeta/exif/UserComment.h"
#include "jpegmeta/extras/EmbeddedThumbnail.h"
#include "jpegmeta/segments/IccProfile.h"
#include "jpegmeta/tags/EntryText.h"
#include "jpegmeta/tags/TagDictionary.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <vector>

using namespace vistello;

namespace {

// The input cut into APP2 ICC chunks of 64 bytes; each chunk's first two
// bytes are its sequence number and chunk count.
std::vector<QByteArray> iccChunks(const QByteArray& bytes)
{
    std::vector<QByteArray> chunks;
    for (qsizetype at = 0; at < bytes.size() && chunks.size() < 300; at += 64)
        chunks.push_back(QByteArray("ICC_PROFILE\0", 12) + bytes.mid(at, 64));
    return chunks;
}

struct MakerPrefix {
    const char* make;
    QByteArray noteStart; // the bytes a camera writes before its directory
};

const MakerPrefix kMakerPrefixes[] = {
    {"Canon", {}},
    {"NIKON", {}},
    {"NIKON", QByteArray("Nikon\0\x01\0", 8)},
    {"NIKON CORPORATION", QByteArray("Nikon\0\x02\x10\0\0", 10)}, // a TIFF header follows in the input
    {"OLYMPUS OPTICAL CO.,LTD", QByteArray("OLYMP\0\x01\0", 8)},
    {"CASIO", {}},
    {"FUJIFILM", QByteArray("FUJIFILM\x0C\0\0\0", 12)},
};

void textOfAll(const ExifData& tree, const std::vector<ExifEntry>& entries)
{
    for (const ExifEntry& e : entries) {
        (void)tagName(e.tag, e.kind);
        (void)entryText(tree, e);
        textOfAll(tree, e.children);
    }
}

// The first byte picks the maker and the block's byte order, the rest is the note.
void decodeMakerNote(const QByteArray& input)
{
    using namespace vistello::samples;
    if (input.isEmpty())
        return;
    const uint8_t pick = uint8_t(input[0]);
    const MakerPrefix& maker = kMakerPrefixes[(pick >> 1) % std::size(kMakerPrefixes)];
    ExifBuilder builder((pick & 1) ? TiffByteOrder::BigEndian : TiffByteOrder::LittleEndian);
    builder.ifd0().set(TiffField::ascii(0x010F, maker.make));
    builder.exif().set(TiffField::undefined(0x927C, maker.noteStart + input.mid(1)));
    ExifData tree;
    tree.parse(builder.build(), 0);
    for (const Ifd& ifd : tree.ifds())
        textOfAll(tree, ifd.entries);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray tiff(reinterpret_cast<const char*>(data), qsizetype(size));
    // As a bare TIFF block and as an APP1 payload (base 6).
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    for (const auto& [bytes, base] : {std::pair{tiff, int64_t(0)}, std::pair{payload, int64_t(6)}}) {
        ExifData tree;
        tree.parse(bytes, base);
        (void)tree.orientation();
        (void)tree.findTag(0x010F);
        const TiffBlock block(bytes, base);
        (void)readExifSummary(block);
        (void)readExifPictureDate(block);
        (void)locateThumbnailSimple(block);
        (void)locateThumbnail(block);
        (void)decodeUserComment(block, 8, uint32_t(size));
    }

    const std::vector<QByteArray> chunks = iccChunks(tiff);
    std::vector<SavedMarkerView> views;
    for (const QByteArray& chunk : chunks)
        views.push_back({0xE2, uint32_t(chunk.size()), reinterpret_cast<const uint8_t*>(chunk.constData()),
                         uint32_t(chunk.size())});
    (void)assembleIccProfile(views);

    if (payload.size() <= 65533) {
        QByteArray jpeg("\xFF\xD8\xFF\xE1", 4);
        jpeg.append(char((payload.size() + 2) >> 8)).append(char((payload.size() + 2) & 0xFF));
        jpeg += payload + QByteArray("\xFF\xDB\x00\x02", 4);
        MemoryByteSource source(jpeg);
        (void)findEmbeddedThumbnail(source);
    }
    decodeMakerNote(tiff);
    return 0;
}
