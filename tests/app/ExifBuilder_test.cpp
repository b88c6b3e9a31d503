// The TIFF blocks the fixture factory builds: read back by exiv2 and
// exiftool, and walked here for the layout facts those tools forgive.
#include "app/SampleTools.h"
#include "app/samples/ExifBuilder.h"
#include "app/samples/JpegWriter.h"
#include "support/TempDir.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vistello::samples;
using namespace vistello::test::sampletools;
using vistello::test::TempDir;

namespace {

// A deliberately small reader of the written block, independent of the writer.
struct BlockReader {
    QByteArray b;
    bool little() const { return b.startsWith("II"); }
    uint32_t u(uint32_t o, int n) const
    {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) {
            const uint32_t at = o + uint32_t(little() ? n - 1 - i : i);
            v = (v << 8) | (at < uint32_t(b.size()) ? uint8_t(b[int(at)]) : 0u);
        }
        return v;
    }
    uint32_t u16(uint32_t o) const { return u(o, 2); }
    uint32_t u32(uint32_t o) const { return u(o, 4); }
    // Position of the entry with this tag in the directory at d, or 0.
    uint32_t entry(uint32_t d, uint16_t tag) const
    {
        for (uint32_t i = 0; i < u16(d); ++i)
            if (u16(d + 2 + 12 * i) == tag)
                return d + 2 + 12 * i;
        return 0;
    }
    uint32_t nextOf(uint32_t d) const { return u32(d + 2 + 12 * u16(d)); }
};

QString orderName(TiffByteOrder order) { return order == TiffByteOrder::LittleEndian ? "II" : "MM"; }

// A small JPEG carrying the block, for the tools that read files.
QString writeCarrier(const TempDir& dir, const QString& name, const ExifBuilder& exif)
{
    QImage image(16, 16, QImage::Format_RGB888);
    image.fill(Qt::gray);
    JpegWriteOptions options;
    options.writeJfif = false;
    options.markers.push_back({0xE1, exif.buildApp1Payload()});
    return dir.write(name, JpegWriter::encode(image, options));
}

class ExifBuilderOrder : public ::testing::TestWithParam<TiffByteOrder> {};

INSTANTIATE_TEST_SUITE_P(BothOrders, ExifBuilderOrder,
                         ::testing::Values(TiffByteOrder::LittleEndian, TiffByteOrder::BigEndian),
                         [](const auto& testCase) { return orderName(testCase.param).toStdString(); });

} // namespace

// Every TIFF type, inline and in the data area, as exiv2 reads it back.
TEST_P(ExifBuilderOrder, EveryTypeReadsBackThroughExiv2)
{
    SKIP_WITHOUT_TOOL("exiv2");
    ExifBuilder exif(GetParam());
    TiffDirectory& d = exif.ifd0();
    d.set(TiffField::bytes(0xC001, {1, 2, 3}));
    d.set(TiffField::bytes(0xC002, {1, 2, 3, 4, 5, 6}));
    d.set(TiffField::ascii(0xC003, "hello world"));
    d.set(TiffField::shorts(0xC004, {1, 65535}));
    d.set(TiffField::shorts(0xC005, {7, 8, 9}));
    d.set(TiffField::longs(0xC006, {0xDEADBEEF}));
    d.set(TiffField::rationals(0xC007, {{1, 3}, {22, 7}}));
    d.set(TiffField::sbytes(0xC008, {-1, -128, 127}));
    d.set(TiffField::undefined(0xC009, QByteArray("\x01\x02\xFF\x00\x10", 5)));
    d.set(TiffField::sshorts(0xC00A, {-2, 300}));
    d.set(TiffField::slongs(0xC00B, {-100000}));
    d.set(TiffField::srationals(0xC00C, {{-1, 3}}));
    d.set(TiffField::floats(0xC00D, {1.5f, -2.25f}));
    d.set(TiffField::doubles(0xC00E, {3.25}));

    TempDir dir;
    const ToolRun run = runTool("exiv2", {"-u", "-pv", writeCarrier(dir, "types.jpg", exif)});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString text = QString::fromUtf8(run.out);

    struct Expect {
        const char* tag;
        const char* typeAndValue;
    };
    const Expect expected[] = {
        {"0xc001", "Byte +3 +1 2 3"},       {"0xc002", "Byte +6 +1 2 3 4 5 6"},
        {"0xc003", "Ascii +12 +hello world"}, {"0xc004", "Short +2 +1 65535"},
        {"0xc005", "Short +3 +7 8 9"},      {"0xc006", "Long +1 +3735928559"},
        {"0xc007", "Rational +2 +1/3 22/7"}, {"0xc008", "SByte +3 +-1 -128 127"},
        {"0xc009", "Undefined +5 +1 2 255 0 16"}, {"0xc00a", "SShort +2 +-2 300"},
        {"0xc00b", "SLong +1 +-100000"},    {"0xc00c", "SRational +1 +-1/3"},
        {"0xc00d", "Float +2 +1.5 -2.25"},  {"0xc00e", "Double +1 +3.25"},
    };
    for (const Expect& e : expected) {
        const QRegularExpression line(QStringLiteral("^%1 .*\\b%2\\s*$").arg(e.tag, e.typeAndValue),
                                      QRegularExpression::MultilineOption);
        EXPECT_TRUE(line.match(text).hasMatch()) << e.tag << " expected " << e.typeAndValue << " in\n"
                                                 << text.toStdString();
    }
}

// A camera-shaped tree passes exiftool's structure checks (entry order,
// word alignment, offsets inside the block) and its thumbnail comes back whole.
TEST_P(ExifBuilderOrder, CameraTreeValidatesAndThumbnailExtracts)
{
    SKIP_WITHOUT_TOOL("exiftool");
    ExifBuilder exif(GetParam());
    exif.ifd0().set(TiffField::ascii(0x0110, "Model X"));
    exif.ifd0().set(TiffField::ascii(0x010F, "Maker")); // set after Model: sorted on output
    exif.ifd0().set(TiffField::shorts(0x0112, {6}));
    exif.ifd0().set(TiffField::rationals(0x011A, {{72, 1}}));
    exif.ifd0().set(TiffField::rationals(0x011B, {{72, 1}}));
    exif.ifd0().set(TiffField::shorts(0x0128, {2}));
    exif.ifd0().set(TiffField::shorts(0x0213, {1}));
    exif.exif().set(TiffField::rationals(0x829A, {{1, 250}}));
    exif.exif().set(TiffField::undefined(0x9000, "0230"));
    exif.exif().set(TiffField::undefined(0x9101, QByteArray("\1\2\3\0", 4)));
    exif.exif().set(TiffField::undefined(0xA000, "0100"));
    exif.exif().set(TiffField::shorts(0xA001, {1}));
    exif.exif().set(TiffField::shorts(0xA002, {16}));
    exif.exif().set(TiffField::shorts(0xA003, {16}));
    exif.interop().set(TiffField::ascii(0x0001, "R98"));
    exif.gps().set(TiffField::bytes(0x0000, {2, 3, 0, 0}));
    exif.gps().set(TiffField::ascii(0x0001, "S"));
    exif.gps().set(TiffField::rationals(0x0002, {{12, 1}, {30, 1}, {1525, 100}}));
    QImage small(40, 30, QImage::Format_RGB888);
    small.fill(Qt::darkGreen);
    JpegWriteOptions thumbOptions;
    thumbOptions.writeJfif = false;
    const QByteArray thumbnail = JpegWriter::encode(small, thumbOptions) + QByteArray(1, '\0'); // odd length
    exif.setThumbnail(thumbnail);
    exif.ifd1().set(TiffField::rationals(0x011A, {{72, 1}}));
    exif.ifd1().set(TiffField::rationals(0x011B, {{72, 1}}));
    exif.ifd1().set(TiffField::shorts(0x0128, {2}));

    TempDir dir;
    const QString path = writeCarrier(dir, "tree.jpg", exif);
    const ToolRun validate = runTool("exiftool", {"-validate", "-warning", "-error", "-a", "-s", path});
    ASSERT_EQ(validate.exitCode, 0);
    EXPECT_TRUE(validate.out.contains("Validate                        : OK")) << validate.out.constData();

    const ToolRun values = runTool("exiftool", {"-s3", "-n", "-Make", "-Model", "-Orientation", "-ExposureTime",
                                                "-InteropIndex", "-GPSLatitude", "-ExifByteOrder", path});
    EXPECT_EQ(values.out, QByteArray("Maker\nModel X\n6\n0.004\nR98\n-12.5042361111111\n") +
                              orderName(GetParam()).toLatin1() + "\n");

    const ToolRun thumb = runTool("exiftool", {"-b", "-ThumbnailImage", path});
    EXPECT_EQ(thumb.out, thumbnail);
}

TEST(ExifBuilder, ValuesUpToFourBytesStayInTheEntry)
{
    ExifBuilder exif(TiffByteOrder::BigEndian);
    exif.ifd0().set(TiffField::shorts(0x0001, {0x1234, 0x5678}));
    exif.ifd0().set(TiffField::ascii(0x0002, "abc"));
    exif.ifd0().set(TiffField::ascii(0x0003, "abcd"));
    exif.ifd0().set(TiffField::bytes(0x0004, {9}));
    const BlockReader r{exif.build()};
    ASSERT_EQ(r.b.left(8), QByteArray("MM\0\x2A\0\0\0\x08", 8));
    EXPECT_EQ(r.u32(r.entry(8, 1) + 8), 0x12345678u);
    EXPECT_EQ(r.b.mid(int(r.entry(8, 2) + 8), 4), QByteArray("abc\0", 4));
    EXPECT_EQ(r.b.mid(int(r.entry(8, 4) + 8), 4), QByteArray("\x09\0\0\0", 4));
    // Five bytes go to the data area, at an even offset from the TIFF header.
    const uint32_t at = r.u32(r.entry(8, 3) + 8);
    EXPECT_EQ(at % 2, 0u);
    EXPECT_EQ(r.b.mid(int(at), 5), QByteArray("abcd\0", 5));
    EXPECT_EQ(r.nextOf(8), 0u);
}

// The escape hatches write exactly what a hostile-input test asks for.
TEST(ExifBuilder, HostileBlocksAreWrittenAsDescribed)
{
    ExifBuilder exif(TiffByteOrder::LittleEndian);
    TiffDirectory& ifd0 = exif.ifd0();
    ifd0.sortByTag = false;
    ifd0.append(TiffField::shorts(0x0112, {1}));
    ifd0.append(TiffField::shorts(0x0112, {8})); // duplicate, kept in order
    ifd0.append(TiffField::valueWord(0x8825, 4, 1, 0xFFFFFFF0)); // GPS far past the end
    ifd0.append(TiffField::encoded(0x0100, 99, 0x7FFFFFFF, "xy")); // unknown type, huge count
    // The EXIF directory links to itself and to IFD0; IFD0 chains to itself.
    exif.exif().set(TiffField::backLink(0x8769, exif.exifHandle()));
    exif.exif().set(TiffField::backLink(0x8825, exif.ifd0Handle()));
    ifd0.nextOffsetOverride = 8;
    ifd0.entryCountOverride = 500;

    const BlockReader r{exif.build()};
    ASSERT_EQ(r.u16(8), 500u);
    EXPECT_EQ(r.u16(10), 0x0112u);
    EXPECT_EQ(r.u16(10 + 8), 1u);
    EXPECT_EQ(r.u16(22), 0x0112u);
    EXPECT_EQ(r.u16(22 + 8), 8u);
    EXPECT_EQ(r.u32(34 + 8), 0xFFFFFFF0u);
    EXPECT_EQ(r.u16(46 + 2), 99u);
    EXPECT_EQ(r.u32(46 + 4), 0x7FFFFFFFu);
    EXPECT_EQ(r.b.mid(46 + 8, 4), QByteArray("xy\0\0", 4));
    const uint32_t exifAt = r.u32(58 + 8); // the EXIF pointer, appended last
    EXPECT_EQ(r.u16(58), 0x8769u);
    EXPECT_EQ(r.u32(r.entry(exifAt, 0x8769) + 8), exifAt);
    EXPECT_EQ(r.u32(r.entry(exifAt, 0x8825) + 8), 8u);
    EXPECT_EQ(r.u32(8 + 2 + 12 * 5), 8u); // IFD0's next is IFD0

    // Explicit header and next-directory words.
    ExifBuilder bent(TiffByteOrder::BigEndian);
    bent.ifd0().set(TiffField::shorts(0x0112, {3}));
    bent.ifd0().nextOffsetOverride = 0x10000;
    bent.ifd0OffsetOverride = 3;
    const BlockReader b{bent.build()};
    EXPECT_EQ(b.u32(4), 3u);
    EXPECT_EQ(b.nextOf(8), 0x10000u);
}

namespace {
struct NoteCase {
    const char* name;
    std::optional<uint32_t> origin;
};
class EmbeddedNote : public ::testing::TestWithParam<NoteCase> {};
INSTANTIATE_TEST_SUITE_P(Origins, EmbeddedNote,
                         ::testing::Values(NoteCase{"FromTiffHeader", std::nullopt}, NoteCase{"FromNoteStart", 0u},
                                           NoteCase{"FromInnerHeader", 10u}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });
} // namespace

// A maker-note-like directory inside an UNDEFINED value, in its own byte
// order, with offsets counted from the origin the note asks for.
TEST_P(EmbeddedNote, OffsetsCountFromTheOrigin)
{
    auto inner = std::make_shared<TiffDirectory>();
    inner->set(TiffField::ascii(0x0001, "firmware 1.02"));
    inner->set(TiffField::shorts(0x0002, {0x0102}));
    ExifBuilder exif(TiffByteOrder::BigEndian);
    exif.ifd0().set(TiffField::ascii(0x010F, "Maker"));
    const QByteArray prefix("NOTEHEAD\x0C\0\0\0", 12);
    exif.exif().set(TiffField::embedded(0x927C, {prefix, inner, GetParam().origin, TiffByteOrder::LittleEndian}));
    exif.exif().set(TiffField::shorts(0xA001, {1})); // after the note: data must not overlap it

    BlockReader r{exif.build()};
    const uint32_t exifAt = r.u32(r.entry(8, 0x8769) + 8);
    const uint32_t e = r.entry(exifAt, 0x927C);
    const uint32_t note = r.u32(e + 8);
    const uint32_t noteSize = r.u32(e + 4);
    ASSERT_EQ(r.b.mid(int(note), 12), prefix);
    ASSERT_LE(note + noteSize, uint32_t(r.b.size()));
    EXPECT_EQ(r.u16(r.entry(exifAt, 0xA001) + 8), 1u);

    BlockReader n{"II" + r.b.mid(int(note), int(noteSize))}; // the note alone, read little-endian
    const uint32_t dir = 2 + 12;                              // right behind the prefix
    ASSERT_EQ(n.u16(dir), 2u);
    EXPECT_EQ(n.u16(dir + 2 + 12 + 8), 0x0102u);
    const uint32_t textOffset = n.u32(dir + 2 + 8);
    const uint32_t origin = GetParam().origin ? note + *GetParam().origin : 0;
    const uint32_t textAt = origin + textOffset;
    EXPECT_EQ(r.b.mid(int(textAt), 14), QByteArray("firmware 1.02\0", 14));
    EXPECT_GE(textAt, note);
    EXPECT_LT(textAt, note + noteSize);
}

TEST(ExifBuilder, App1SegmentWrapsTheBlock)
{
    ExifBuilder exif(TiffByteOrder::LittleEndian);
    exif.ifd0().set(TiffField::shorts(0x0112, {1}));
    const QByteArray tiff = exif.build();
    const QByteArray segment = ExifBuilder::app1Segment(tiff);
    ASSERT_EQ(segment.size(), tiff.size() + 10);
    EXPECT_EQ(segment.left(4), QByteArray("\xFF\xE1\x00", 3) + char(tiff.size() + 8));
    EXPECT_EQ(segment.mid(4, 6), QByteArray("Exif\0\0", 6));
    EXPECT_EQ(segment.mid(10), tiff);

    EXPECT_EQ(ExifBuilder::app1Segment(QByteArray(65527, 'x')).size(), 65537);
    EXPECT_TRUE(ExifBuilder::app1Segment(QByteArray(65528, 'x')).isEmpty()); // length field would overflow
}
