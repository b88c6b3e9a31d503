// The EXIF directory tree: directory kinds, value words, maker notes, Canon
// arrays, and blocks built to loop, fan out or point anywhere.
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/exif/DirectoryGuard.h"
#include "jpegmeta/exif/ExifData.h"

#include <gtest/gtest.h>

using namespace vistello;
using vistello::test::TiffBytes;

namespace {

ExifData parsed(const TiffBytes& t)
{
    ExifData data;
    data.parse(t.app1Payload(), 6);
    return data;
}

class ByteOrder : public ::testing::TestWithParam<bool> {};

// IFD0 = {Make "Canon", ExifIFD -> {ExposureTime 1/250, MakerNote}}, the note a
// one-entry Canon directory.
TEST_P(ByteOrder, CanonNoteBecomesChildrenOfKind7)
{
    TiffBytes t(GetParam());
    t.directory(8, 2);
    t.entry(8, 0, 0x010F, 2, 6, 100);
    t.putRaw(100, QByteArray("Canon\0", 6));
    t.entry(8, 1, 0x8769, 4, 1, 200);
    t.directory(200, 2);
    t.entry(200, 0, 0x829A, 5, 1, 300);
    t.put32(300, 1);
    t.put32(304, 250);
    t.entry(200, 1, 0x927C, 7, 20, 400);
    t.directory(400, 1);
    t.shortEntry(400, 0, 0x0006, 7);

    const ExifData data = parsed(t);
    ASSERT_EQ(data.ifds().size(), 1u);
    const auto& ifd0 = data.ifds()[0].entries;
    ASSERT_EQ(ifd0.size(), 2u);
    EXPECT_EQ(ifd0[1].tag, 0x8769);
    EXPECT_EQ(ifd0[1].kind, IfdKind::Ifd0);
    ASSERT_EQ(ifd0[1].children.size(), 2u);
    EXPECT_EQ(ifd0[1].children[0].kind, IfdKind::ExifIfd);
    EXPECT_EQ(ifd0[1].children[0].value, 300u);
    const ExifEntry& note = ifd0[1].children[1];
    EXPECT_EQ(note.kind, IfdKind::ExifIfd);
    ASSERT_EQ(note.children.size(), 1u);
    EXPECT_EQ(note.children[0].kind, IfdKind::CanonNote);
    EXPECT_EQ(note.children[0].value, 7u);
}

TEST_P(ByteOrder, TagZeroEndsADirectoryExceptGps)
{
    TiffBytes t(GetParam());
    t.directory(8, 3);
    t.entry(8, 0, 0x8825, 4, 1, 200);
    t.entry(8, 1, 0x0000, 1, 4, 0x02020000);
    t.shortEntry(8, 2, 0x0112, 6);
    t.directory(200, 2);
    t.rawEntry(200, 0, 0x0000, 1, 4, QByteArray("\x02\x02\x00\x00", 4));
    t.rawEntry(200, 1, 0x0001, 2, 2, QByteArray("N\0\0\0", 4));

    const ExifData data = parsed(t);
    const auto& ifd0 = data.ifds()[0].entries;
    ASSERT_EQ(ifd0.size(), 1u) << "the tag-0 entry ends IFD0";
    ASSERT_EQ(ifd0[0].children.size(), 2u);
    EXPECT_EQ(ifd0[0].children[0].tag, 0x0000);
    EXPECT_EQ(ifd0[0].children[0].kind, IfdKind::GpsIfd);
    EXPECT_EQ(ifd0[0].children[1].value, uint32_t('N') << 8);
}

TEST_P(ByteOrder, ValueWords)
{
    TiffBytes t(GetParam());
    t.directory(8, 7);
    t.rawEntry(8, 0, 0x0001, 2, 1, QByteArray("A\0\0\0", 4));     // ASCII, one byte
    t.rawEntry(8, 1, 0x0002, 7, 2, QByteArray("AB\0\0", 4));      // UNDEFINED packed first-byte-highest
    t.shortEntry(8, 2, 0x0003, 0xFFFF);                           // SHORT sign-extended
    t.entry(8, 3, 0x0004, 4, 1, 0x80000001);                      // LONG as is
    t.entry(8, 4, 0x0005, 5, 1, 500);                             // RATIONAL: offset
    t.rawEntry(8, 5, 0x0006, 1, 2, QByteArray("\x90\x01\0\0", 4)); // BYTE: first element sign-extended
    t.entry(8, 6, 0x0007, 3, 3, 600);                             // three SHORTs: offset

    const ExifData data = parsed(t);
    const auto& e = data.ifds()[0].entries;
    ASSERT_EQ(e.size(), 7u);
    EXPECT_EQ(e[0].value, 0x41u);
    EXPECT_EQ(e[1].value, 0x4142u);
    EXPECT_EQ(e[2].value, 0xFFFFFFFFu);
    EXPECT_EQ(e[3].value, 0x80000001u);
    EXPECT_EQ(e[4].value, 500u);
    EXPECT_EQ(e[5].value, 0xFFFFFF90u);
    EXPECT_EQ(e[6].value, 600u);
    EXPECT_EQ(uint8_t(e[5].valueField[1]), 0x01);
}

TEST_P(ByteOrder, Ifd1IsTheSecondDirectoryOfTheChainOnly)
{
    TiffBytes t(GetParam());
    t.directory(8, 1, 100);
    t.shortEntry(8, 0, 0x0112, 1);
    t.directory(100, 1, 200);
    t.shortEntry(100, 0, 0x0103, 6);
    t.directory(200, 1);
    t.shortEntry(200, 0, 0x0103, 1);

    const ExifData data = parsed(t);
    ASSERT_EQ(data.ifds().size(), 2u);
    EXPECT_EQ(data.ifds()[1].kind, IfdKind::Ifd1);
    EXPECT_EQ(data.ifds()[1].entries.size(), 1u);
    EXPECT_EQ(data.ifds()[1].entries[0].kind, IfdKind::Ifd1);
}

INSTANTIATE_TEST_SUITE_P(ExifTree, ByteOrder, ::testing::Values(true, false),
                         [](const auto& p) { return p.param ? "LittleEndian" : "BigEndian"; });

class TypeCorrection : public ::testing::TestWithParam<uint16_t> {};

TEST_P(TypeCorrection, UnsupportedTypesReadAsByte)
{
    TiffBytes t(true);
    t.directory(8, 1);
    t.entry(8, 0, 0x1234, GetParam(), 4, 0x04030201);
    const ExifData data = parsed(t);
    const ExifEntry& e = data.ifds()[0].entries[0];
    EXPECT_EQ(e.type, 1);
    EXPECT_EQ(e.count, 4u);
    EXPECT_EQ(e.value, 1u) << "four BYTEs fit inline: the first element";
}

INSTANTIATE_TEST_SUITE_P(ExifTree, TypeCorrection, ::testing::Values(uint16_t(0), uint16_t(11), uint16_t(12), uint16_t(13), uint16_t(0xFFFF)));

// Make, maker-note bytes and the expected kind and first entry's tag.
struct MakerCase {
    const char* name;
    QByteArray make;
    QByteArray notePrefix; // bytes before the note's directory
    IfdKind kind;
};

class MakerNotes : public ::testing::TestWithParam<MakerCase> {};

TEST_P(MakerNotes, DirectoryFoundWhereTheMakerPutsIt)
{
    const MakerCase& c = GetParam();
    TiffBytes t(false);
    t.directory(8, 2);
    t.entry(8, 0, 0x010F, 2, uint32_t(c.make.size()), 100);
    t.putRaw(100, c.make);
    t.entry(8, 1, 0x8769, 4, 1, 200);
    t.directory(200, 1);
    t.entry(200, 0, 0x927C, 7, 64, 300);
    t.putRaw(300, c.notePrefix);
    const int64_t d = 300 + c.notePrefix.size();
    t.directory(d, 2);
    t.shortEntry(d, 0, 0x0000, 5); // tag 0 does not end a note
    t.shortEntry(d, 1, 0x0042, 9);

    const ExifData data = parsed(t);
    const ExifEntry& note = data.ifds()[0].entries[1].children[0];
    ASSERT_EQ(note.children.size(), 2u) << c.name;
    EXPECT_EQ(note.children[0].kind, c.kind);
    EXPECT_EQ(note.children[1].tag, 0x0042);
    EXPECT_EQ(note.children[1].value, 9u);
}

INSTANTIATE_TEST_SUITE_P(ExifTree, MakerNotes,
    ::testing::Values(MakerCase{"Canon", QByteArray("Canon\0", 6), {}, IfdKind::CanonNote},
                      MakerCase{"NikonWithHeader", QByteArray("NIKON CORPORATION\0", 18), QByteArray("Nikon\0\x01\0", 8), IfdKind::NikonNoteWithHeader},
                      MakerCase{"NikonWithoutHeader", QByteArray("NIKON\0", 6), {}, IfdKind::NikonNoteWithoutHeader},
                      MakerCase{"Olympus", QByteArray("OLYMPUS OPTICAL CO.,LTD\0", 24), QByteArray("OLYMP\0\x01\0", 8), IfdKind::OlympusNote},
                      MakerCase{"Casio", QByteArray("CASIO\0", 6), {}, IfdKind::CasioNote}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ExifTree, FujiNoteIsLittleEndianWithOffsetsFromTheNote)
{
    TiffBytes t(false); // a big-endian block
    t.directory(8, 2);
    t.entry(8, 0, 0x010F, 2, 9, 100);
    t.putRaw(100, QByteArray("FUJIFILM\0", 9));
    t.entry(8, 1, 0x927C, 7, 200, 300);
    // "FUJIFILM", then the directory's offset from the note, little-endian.
    t.putRaw(300, QByteArray("FUJIFILM\x0C\0\0\0", 12));
    TiffBytes note(true, 64, 0);
    note.directory(0, 2);
    note.rawEntry(0, 0, 0x0000, 7, 4, QByteArray("0130", 4));
    note.entry(0, 1, 0x1000, 2, 8, 40); // data 40 bytes into the note
    t.putRaw(312, note.bytes.left(40));

    const ExifData data = parsed(t);
    const ExifEntry& fuji = data.ifds()[0].entries[1];
    ASSERT_EQ(fuji.children.size(), 2u);
    EXPECT_EQ(fuji.children[0].kind, IfdKind::FujiNote);
    EXPECT_EQ(fuji.children[0].value, 0x30313330u);
    EXPECT_EQ(fuji.children[1].value, 340u) << "offset from the note's start, in TIFF coordinates";
}

TEST(ExifTree, UnknownMakerOrNoMakeLeavesThePlainEntry)
{
    for (const QByteArray& make : {QByteArray("Kodak\0", 6), QByteArray()}) {
        TiffBytes t(true);
        t.directory(8, make.isEmpty() ? 1 : 2);
        t.entry(8, 0, 0x927C, 7, 30, 300);
        t.directory(300, 1);
        if (!make.isEmpty()) {
            t.entry(8, 1, 0x010F, 2, uint32_t(make.size()), 100);
            t.putRaw(100, make);
        }
        EXPECT_TRUE(parsed(t).ifds()[0].entries[0].children.empty());
    }
}

TEST(ExifTree, CanonArraysExpandIntoElements)
{
    TiffBytes t(true);
    // The note is not behind an EXIF pointer here: a maker note in IFD0 is followed too.
    t.directory(8, 2);
    t.entry(8, 0, 0x010F, 2, 6, 100);
    t.putRaw(100, QByteArray("Canon\0", 6));
    t.entry(8, 1, 0x927C, 7, 500, 200); // the note holds its arrays
    t.directory(200, 3);
    t.entry(200, 0, 0x0001, 3, 4, 400);  // camera settings: length 8 bytes -> elements 1..3
    t.entry(200, 1, 0x0004, 3, 3, 500);  // shot info: count limits it to 6 bytes -> 1..2
    t.entry(200, 2, 0x000F, 3, 3, 600);  // custom functions
    t.put16(400, 8);
    t.put16(402, 0xFFFF);
    t.put16(404, 2);
    t.put16(406, 3);
    t.put16(500, 100);
    t.put16(502, 11);
    t.put16(504, 12);
    t.put16(600, 6);
    t.put16(602, 0x0301); // function 3, setting 1
    t.put16(604, 0x07FF); // function 7, setting -1

    const ExifData data = parsed(t);
    const auto& note = data.ifds()[0].entries[1].children;
    ASSERT_EQ(note.size(), 3u);
    ASSERT_EQ(note[0].children.size(), 3u);
    EXPECT_EQ(note[0].children[0].kind, IfdKind::CanonCameraSettings);
    EXPECT_EQ(note[0].children[0].tag, 1);
    EXPECT_EQ(note[0].children[0].value, 0xFFFFFFFFu);
    EXPECT_EQ(note[0].children[2].value, 3u);
    ASSERT_EQ(note[1].children.size(), 2u);
    EXPECT_EQ(note[1].children[1].kind, IfdKind::CanonShotInfo);
    EXPECT_EQ(note[1].children[1].value, 12u);
    ASSERT_EQ(note[2].children.size(), 2u);
    EXPECT_EQ(note[2].children[0].kind, IfdKind::CanonCustomFunctions);
    EXPECT_EQ(note[2].children[0].tag, 3);
    EXPECT_EQ(note[2].children[0].value, 1u);
    EXPECT_EQ(note[2].children[1].tag, 7);
    EXPECT_EQ(note[2].children[1].value, 0xFFFFFFFFu);
}

TEST(ExifTree, SeveralSubIfdsAreEachWalked)
{
    TiffBytes t(true);
    t.directory(8, 1);
    t.entry(8, 0, 0x014A, 4, 2, 100);
    t.put32(100, 200);
    t.put32(104, 300);
    t.directory(200, 1);
    t.shortEntry(200, 0, 0x0100, 1);
    t.directory(300, 1);
    t.shortEntry(300, 0, 0x0101, 2);
    const ExifData data = parsed(t);
    const auto& children = data.ifds()[0].entries[0].children;
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0].tag, 0x0100);
    EXPECT_EQ(children[1].tag, 0x0101);
    EXPECT_EQ(children[1].kind, IfdKind::ExifIfd);
}

TEST(ExifTree, AutoRotationOrientationComesFromIfd0Only)
{
    TiffBytes t(true);
    t.directory(8, 1, 100);
    t.shortEntry(8, 0, 0x0110, 0); // no orientation in IFD0
    t.directory(100, 1);
    t.shortEntry(100, 0, 0x0112, 6);
    const ExifData data = parsed(t);
    EXPECT_NE(data.findTag(0x0112), nullptr) << "the depth-first look-up does see IFD1";
    EXPECT_EQ(data.orientation(), 1);

    TiffBytes u(false);
    u.directory(8, 1);
    u.shortEntry(8, 0, 0x0112, 8);
    EXPECT_EQ(parsed(u).orientation(), 8);
}

// Hostile blocks: each must parse quickly to a bounded tree.
TEST(ExifTreeHostile, CyclesAreWalkedOnce)
{
    TiffBytes t(true);
    t.directory(8, 2, 8); // IFD1 = IFD0
    t.entry(8, 0, 0x8769, 4, 1, 8); // EXIF pointer back to IFD0
    t.entry(8, 1, 0x8825, 4, 1, 100);
    t.directory(100, 1);
    t.entry(100, 0, 0xA005, 4, 1, 100); // points at itself
    const ExifData data = parsed(t);
    EXPECT_LE(data.entryCount(), 4);
    EXPECT_EQ(data.ifds().size(), 1u);
}

TEST(ExifTreeHostile, FanOutStaysWithinTheBudget)
{
    // A directory of 1000 pointers, all to the next such directory, 6 levels deep.
    TiffBytes t(true, 80000);
    const int n = 1000;
    const int64_t size = 2 + 12 * n + 4;
    for (int level = 0; level < 6; ++level) {
        const int64_t d = 8 + level * size;
        t.directory(d, n);
        for (int i = 0; i < n; ++i)
            t.entry(d, i, 0x8769, 4, 1, uint32_t(level < 5 ? d + size : d));
    }
    const ExifData data = parsed(t);
    EXPECT_LE(data.entryCount(), DirectoryGuard::kBudget);
    EXPECT_GE(data.entryCount(), 5000) << "distinct directories are still read";
}

TEST(ExifTreeHostile, DeepNestingStops)
{
    TiffBytes t(true, 4096);
    for (int level = 0; level < 40; ++level)
        t.directory(8 + 20 * level, 1), t.entry(8 + 20 * level, 0, 0x8769, 4, 1, uint32_t(8 + 20 * (level + 1)));
    EXPECT_LE(parsed(t).entryCount(), DirectoryGuard::kMaxDepth + 1);
}

TEST(ExifTreeHostile, HugeCountsAndOffsets)
{
    TiffBytes t(false, 64);
    t.directory(8, 4, 0x7FFFFFF8);
    t.entry(8, 0, 0x829A, 5, 0xFFFFFFFF, 0x7FFFFFFC); // 8 x count overflows 32 bits
    t.entry(8, 1, 0x8769, 4, 1, 0xFFFFFFF0);
    t.entry(8, 2, 0x927C, 7, 0xFFFFFFFF, 0x7FFFFFFF);
    t.entry(8, 3, 0x014A, 4, 0xFFFFFFFF, 0xFFFFFFFE);
    const ExifData data = parsed(t);
    ASSERT_EQ(data.ifds().size(), 1u);
    EXPECT_EQ(data.ifds()[0].entries[0].value, 0x7FFFFFFCu);
    EXPECT_EQ(data.ifds()[0].entries[0].total(), 8ull * 0xFFFFFFFF);
}

TEST(ExifTreeHostile, TruncatedAndTinyBlocks)
{
    TiffBytes t(true, 40);
    t.put16(8, 0x7FFF); // 32767 entries announced, two fit
    t.entry(8, 0, 0x0100, 3, 1, 5);
    EXPECT_LE(parsed(t).entryCount(), 3);

    TiffBytes negative(true, 64);
    negative.put16(8, 0x8001); // a negative count is an empty directory
    EXPECT_EQ(parsed(negative).entryCount(), 0);

    for (int size = 0; size < 12; ++size) {
        ExifData data;
        data.parse(TiffBytes(true, 64).bytes.left(size), 0);
        EXPECT_EQ(data.isEmpty(), size <= 8) << size;
        EXPECT_EQ(data.entryCount(), 0) << size;
    }
}

} // namespace
