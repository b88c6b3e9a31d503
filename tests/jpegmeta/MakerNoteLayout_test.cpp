// Which maker notes are read as directories: later layouts recognised by
// their signature stay one plain entry, the later Nikon note is read from
// its own TIFF header, a note in the other byte order than its block is read
// in its own order, a directory that cannot fit in its note is refused
// and Canon arrays stop at the bytes present.
#include "app/samples/ExifBuilder.h"
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/exif/ExifData.h"
#include "jpegmeta/tags/EntryText.h"

#include <gtest/gtest.h>

using namespace vistello;
using namespace vistello::samples;

namespace {

struct LayoutCase {
    const char* name;
    QByteArray make;
    QByteArray prefix;                   // bytes before the note's directory
    std::optional<uint32_t> origin;      // where the note's offsets count from
    bool otherOrder;                     // the note in the other byte order than the block
    std::optional<IfdKind> kind;         // none: a plain entry
};

class NoteLayouts : public ::testing::TestWithParam<std::tuple<LayoutCase, TiffByteOrder>> {};

TEST_P(NoteLayouts, AreReadOrLeftPlain)
{
    const auto& [c, order] = GetParam();
    const TiffByteOrder other = order == TiffByteOrder::BigEndian ? TiffByteOrder::LittleEndian : TiffByteOrder::BigEndian;
    const TiffByteOrder noteOrder = c.otherOrder ? other : order;
    QByteArray prefix = c.prefix;
    if (c.origin) // a TIFF header of the note's own: byte order, 42, directory right behind it
        prefix += noteOrder == TiffByteOrder::LittleEndian ? QByteArray("II*\0\x08\0\0\0", 8) : QByteArray("MM\0*\0\0\0\x08", 8);
    auto note = std::make_shared<TiffDirectory>();
    note->set(TiffField::shorts(0x0002, {0, 400}));
    note->set(TiffField::ascii(0x0004, "FINE   "));
    ExifBuilder b(order);
    b.ifd0().set(TiffField::ascii(0x010F, c.make));
    b.exif().set(TiffField::embedded(0x927C, {prefix, note, c.origin, noteOrder}));
    ExifData tree;
    tree.parse(b.build(), 0);

    const ExifEntry* entry = tree.findTag(0x927C);
    ASSERT_NE(entry, nullptr);
    if (!c.kind) {
        EXPECT_TRUE(entry->children.empty());
        return;
    }
    ASSERT_EQ(entry->children.size(), 2u);
    EXPECT_EQ(entry->children[0].kind, *c.kind);
    EXPECT_EQ(entryText(tree, entry->children[1]), QStringLiteral("FINE    ")) << "data found through the note's offsets";
}

const LayoutCase kLayouts[] = {
    {"Casio", "CASIO", {}, std::nullopt, false, IfdKind::CasioNote},
    {"CasioOtherOrder", "CASIO", {}, std::nullopt, true, IfdKind::CasioNote},
    {"CasioQvc", "CASIO COMPUTER CO.,LTD.", QByteArray("QVC\0\0\0\0\0", 8), std::nullopt, false, std::nullopt},
    {"Olympus", "OLYMPUS OPTICAL CO.,LTD", QByteArray("OLYMP\0\x01\0", 8), std::nullopt, false, IfdKind::OlympusNote},
    {"OlympusII", "OLYMPUS IMAGING CORP.", QByteArray("OLYMPUS\0II\x03\0", 12), std::nullopt, false, std::nullopt},
    {"NikonEarly", "NIKON", QByteArray("Nikon\0\x01\0", 8), std::nullopt, false, IfdKind::NikonNoteWithHeader},
    {"NikonTiffHeader", "NIKON CORPORATION", QByteArray("Nikon\0\x02\x10\0\0", 10), 10u, false, IfdKind::NikonNoteWithoutHeader},
    {"NikonTiffHeaderOtherOrder", "NIKON CORPORATION", QByteArray("Nikon\0\x02\x10\0\0", 10), 10u, true, std::nullopt},
    {"OtherMaker", "SEIKO EPSON CORP.", QByteArray("EPSON\0\x01\0", 8), std::nullopt, false, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(MakerNotes, NoteLayouts,
                         ::testing::Combine(::testing::ValuesIn(kLayouts),
                                            ::testing::Values(TiffByteOrder::LittleEndian, TiffByteOrder::BigEndian)),
                         [](const auto& p) {
                             return std::string(std::get<0>(p.param).name)
                                    + (std::get<1>(p.param) == TiffByteOrder::BigEndian ? "MM" : "II");
                         });

// A note moved by another program, or read in the wrong byte order, shows a
// count far beyond its bytes; reading it gave thousands of bogus entries.
TEST(MakerNoteLayout, DirectoryLargerThanItsNoteStaysPlain)
{
    auto note = std::make_shared<TiffDirectory>();
    note->set(TiffField::shorts(0x0008, {1}));
    note->entryCountOverride = 0x2500;
    ExifBuilder b(TiffByteOrder::BigEndian);
    b.ifd0().set(TiffField::ascii(0x010F, "Canon"));
    b.exif().set(TiffField::embedded(0x927C, {{}, note, std::nullopt, std::nullopt}));
    ExifData tree;
    tree.parse(b.build(), 0);
    ASSERT_NE(tree.findTag(0x927C), nullptr);
    EXPECT_TRUE(tree.findTag(0x927C)->children.empty());
}

// The array's length word and its count both promise more than the block
// holds: only the elements present become entries.
TEST(MakerNoteLayout, CanonArrayStopsAtTheBytesPresent)
{
    test::TiffBytes t(true, 512);
    t.directory(8, 2);
    t.entry(8, 0, 0x010F, 2, 6, 100);
    t.putRaw(100, QByteArray("Canon\0", 6));
    t.entry(8, 1, 0x927C, 7, 312, 200); // up to the block's end
    t.directory(200, 1);
    t.entry(200, 0, 0x0001, 3, 100, 504); // 8 bytes left at 504
    t.put16(504, 200);
    ExifData tree;
    tree.parse(t.bytes, 0);
    const ExifEntry* settings = tree.findTag(0x927C);
    ASSERT_NE(settings, nullptr);
    ASSERT_EQ(settings->children.size(), 1u);
    EXPECT_EQ(settings->children[0].children.size(), 3u);
}

} // namespace
