// Maker notes that an editing program moved without fixing their offsets:
// read from the right place as exiftool reads them ("Adjusted MakerNotes
// base"), or left as one plain entry when no base makes sense.
#include "app/SampleTools.h"
#include "app/samples/ExifBuilder.h"
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/exif/ExifData.h"
#include "jpegmeta/tags/EntryText.h"
#include "support/TempDir.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <map>

using namespace vistello;
using namespace vistello::samples;
using namespace vistello::test;

namespace {

const std::map<uint16_t, QByteArray> kTexts {
    {0x0006, "IMG:PowerShot S300 JPEG"}, {0x0007, "Firmware Version 1.10"}, {0x0009, "Ada Lovelace"}};

// Camera settings: its length in bytes, then macro mode (1 = Macro), self
// timer, quality (5 = Superfine).
const std::vector<uint16_t> kCameraSettings {8, 1, 0, 5};

// A Canon block whose note counts its offsets from the note's start (origin
// 0) or, as Canon writes it, from the TIFF header. The note is always
// little-endian; the block is little-endian unless told otherwise, and then
// the note also carries camera settings.
QByteArray canonBlock(std::optional<uint32_t> origin, TiffByteOrder order = TiffByteOrder::LittleEndian)
{
    auto note = std::make_shared<TiffDirectory>();
    for (const auto& [tag, text] : kTexts)
        note->set(TiffField::ascii(tag, text));
    if (order == TiffByteOrder::BigEndian)
        note->set(TiffField::shorts(0x0001, kCameraSettings));
    ExifBuilder b(order);
    b.ifd0().set(TiffField::ascii(0x010F, "Canon"));
    b.ifd0().set(TiffField::ascii(0x0110, "Canon PowerShot S300"));
    b.exif().set(TiffField::embedded(0x927C, {{}, note, origin, TiffByteOrder::LittleEndian}));
    return b.build();
}

// Writes a 32-bit word of the block in its own byte order.
void putBlockWord(QByteArray& tiff, int at, uint32_t word)
{
    if (tiff.startsWith("MM"))
        qToBigEndian<quint32>(word, tiff.data() + at);
    else
        qToLittleEndian<quint32>(word, tiff.data() + at);
}

// Moves the note to the end of the block, its old bytes cleared and its
// offsets left as they were; with a footer, the note ends in Canon's TIFF
// footer holding its original offset. Entry i's value offset gains
// scramble x (i + 1), so that no one shift fits them all.
QByteArray moveNote(QByteArray tiff, bool footer, uint32_t scramble = 0)
{
    ExifData tree;
    tree.parse(tiff, 0);
    const ExifEntry* entry = tree.findTag(0x927C);
    const uint32_t old = entry->value;
    const uint32_t size = uint32_t(entry->total());
    const uint32_t entryAt = entry->entryOffset;
    QByteArray note = tiff.mid(old, size);
    if (scramble) {
        const int count = qFromLittleEndian<quint16>(note.constData());
        for (int i = 0; i < count; ++i) {
            char* value = note.data() + 2 + 12 * i + 8;
            qToLittleEndian<quint32>(qFromLittleEndian<quint32>(value) + scramble * uint32_t(i + 1), value);
        }
    }
    if (footer)
        note += QByteArray("II*\0", 4) + QByteArray(4, '\0');
    const uint32_t moved = uint32_t(tiff.size()) + 64;
    if (footer)
        qToLittleEndian<quint32>(old, note.data() + note.size() - 4);
    tiff.replace(old, size, QByteArray(size, '\0'));
    putBlockWord(tiff, int(entryAt + 4), uint32_t(note.size()));
    putBlockWord(tiff, int(entryAt + 8), moved);
    return tiff + QByteArray(64, '\0') + note;
}

std::map<uint16_t, QString> noteTexts(const QByteArray& tiff)
{
    ExifData tree;
    tree.parse(tiff, 0);
    std::map<uint16_t, QString> texts;
    if (const ExifEntry* entry = tree.findTag(0x927C))
        for (const ExifEntry& child : entry->children)
            texts[child.tag] = entryText(tree, child).trimmed();
    return texts;
}

QString exiftoolValue(const QString& path, const char* tag)
{
    return QString::fromUtf8(sampletools::runTool(QStringLiteral("exiftool"),
                                                  {QStringLiteral("-s3"), QLatin1String("-Canon:") + QLatin1String(tag), path})
                                 .out)
        .trimmed();
}

} // namespace

TEST(MovedMakerNote, CanonFooterGivesTheBaseExiftoolAdjusts)
{
    SKIP_WITHOUT_TOOL("exiftool");
    TempDir dir;
    const QByteArray tiff = moveNote(canonBlock(std::nullopt), true);
    const QString path = dir.write("moved.jpg", jpegWith({segment(0xE1, QByteArray("Exif\0\0", 6) + tiff)}));
    const QString warning = QString::fromUtf8(
        sampletools::runTool(QStringLiteral("exiftool"), {QStringLiteral("-a"), QStringLiteral("-Warning"), path}).out);
    ASSERT_TRUE(warning.contains(QLatin1String("Adjusted MakerNotes base"))) << warning.toStdString();

    const std::map<uint16_t, QString> texts = noteTexts(tiff);
    EXPECT_EQ(texts.at(0x0006), exiftoolValue(path, "CanonImageType"));
    EXPECT_EQ(texts.at(0x0007), exiftoolValue(path, "CanonFirmwareVersion"));
    EXPECT_EQ(texts.at(0x0009), exiftoolValue(path, "OwnerName"));
    EXPECT_EQ(texts.at(0x0009), QStringLiteral("Ada Lovelace"));
}

// A big-endian block carrying the little-endian note moved with its footer:
// the note's count read in the block's order ran far past it, so it stayed
// one plain entry. Read in its own order, as exiftool reads it.
TEST(MovedMakerNote, LittleEndianNoteInBigEndianBlockReadInItsOwnOrder)
{
    SKIP_WITHOUT_TOOL("exiftool");
    TempDir dir;
    const QByteArray tiff = moveNote(canonBlock(std::nullopt, TiffByteOrder::BigEndian), true);
    ASSERT_TRUE(tiff.startsWith("MM"));
    const QString path = dir.write("moved.jpg", jpegWith({segment(0xE1, QByteArray("Exif\0\0", 6) + tiff)}));
    const QString warning = QString::fromUtf8(
        sampletools::runTool(QStringLiteral("exiftool"), {QStringLiteral("-a"), QStringLiteral("-Warning"), path}).out);
    ASSERT_TRUE(warning.contains(QLatin1String("Adjusted MakerNotes base"))) << warning.toStdString();

    const std::map<uint16_t, QString> texts = noteTexts(tiff);
    ASSERT_EQ(texts.size(), kTexts.size() + 1);
    EXPECT_EQ(texts.at(0x0006), exiftoolValue(path, "CanonImageType"));
    EXPECT_EQ(texts.at(0x0007), exiftoolValue(path, "CanonFirmwareVersion"));
    EXPECT_EQ(texts.at(0x0009), exiftoolValue(path, "OwnerName"));
    EXPECT_EQ(texts.at(0x0009), QStringLiteral("Ada Lovelace"));

    // The camera settings' elements are read in the note's order too.
    ExifData tree;
    tree.parse(tiff, 0);
    const ExifEntry* settings = nullptr;
    for (const ExifEntry& child : tree.findTag(0x927C)->children)
        if (child.tag == 0x0001)
            settings = &child;
    ASSERT_NE(settings, nullptr);
    std::map<uint16_t, QString> elements;
    for (const ExifEntry& element : settings->children)
        elements[element.tag] = entryText(tree, element).trimmed();
    EXPECT_EQ(elements.at(1), exiftoolValue(path, "MacroMode"));
    EXPECT_EQ(elements.at(3), exiftoolValue(path, "Quality"));
    EXPECT_EQ(elements.at(3), QStringLiteral("Superfine"));
}

// Without a footer the values are found from where they normally begin,
// just behind the directory.
TEST(MovedMakerNote, ValuesFoundBehindTheDirectoryWithoutFooter)
{
    const std::map<uint16_t, QString> texts = noteTexts(moveNote(canonBlock(std::nullopt), false));
    ASSERT_EQ(texts.size(), kTexts.size());
    for (const auto& [tag, text] : kTexts)
        EXPECT_EQ(texts.at(tag), QString::fromLatin1(text)) << tag;
}

// Offsets written from the note's own start point before it in the block.
TEST(MovedMakerNote, OffsetsFromTheNotesStart)
{
    const std::map<uint16_t, QString> texts = noteTexts(canonBlock(0u));
    ASSERT_EQ(texts.size(), kTexts.size());
    for (const auto& [tag, text] : kTexts)
        EXPECT_EQ(texts.at(tag), QString::fromLatin1(text)) << tag;
}

// Offsets that no base brings inside the note: one plain entry, no garbage rows.
TEST(MovedMakerNote, NoSensibleBaseLeavesOnePlainEntry)
{
    EXPECT_TRUE(noteTexts(moveNote(canonBlock(std::nullopt), false, 0x1000)).empty());
}
