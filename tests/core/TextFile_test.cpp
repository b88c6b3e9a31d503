#include "core/textfile/TextFileReader.h"
#include "core/textfile/TextFileWriter.h"
#include "FileSizeLimit.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringEncoder>


using namespace vistello;
using vistello::test::TempDir;

namespace {

// Latin letters, a BMP symbol and a character beyond U+FFFF.
const QString kSample = QString::fromUtf8("Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac \xf0\x9f\x98\x80 <x>\r\nend");

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

QByteArray encodeWithQt(QStringConverter::Encoding encoding, const QString& text)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder(text);
}

TEST(TextFileReader, readsEachByteOrderMarkAndBomlessUtf8)
{
    EXPECT_EQ(TextFileReader::decode(encodeWithQt(QStringConverter::Utf16LE, kSample)), kSample);
    EXPECT_EQ(TextFileReader::decode(encodeWithQt(QStringConverter::Utf16BE, kSample)), kSample);
    EXPECT_EQ(TextFileReader::decode(encodeWithQt(QStringConverter::Utf8, kSample)), kSample);
    EXPECT_EQ(TextFileReader::decode(kSample.toUtf8()), kSample);
}

TEST(TextFileReader, readsInvalidUtf8WithoutBomAsLatin1)
{
    const QByteArray latin1 = bytes({'G', 'r', 0xFC, 0xDF, 'e', ' ', 0xA9});
    EXPECT_EQ(TextFileReader::decode(latin1), QString::fromUtf8("Gr\xc3\xbc\xc3\x9f" "e \xc2\xa9"));
    // A lone surrogate half or an overlong form is not UTF-8 either.
    EXPECT_EQ(TextFileReader::decode(bytes({0xED, 0xA0, 0xBD, 'a'})).size(), 4);
    EXPECT_EQ(TextFileReader::decode(bytes({0xC0, 0xBC})), QString::fromLatin1("\xC0\xBC"));
}

TEST(TextFileReader, acceptsFourByteAndSurrogateHalfForms)
{
    const QString smiley = QString::fromUtf8("\xf0\x9f\x98\x80");
    ASSERT_EQ(smiley.size(), 2);
    const QByteArray fourByte = bytes({0xF0, 0x9F, 0x98, 0x80});
    const QByteArray halves = bytes({0xED, 0xA0, 0xBD, 0xED, 0xB8, 0x80});
    const QByteArray bom = bytes({0xEF, 0xBB, 0xBF});
    EXPECT_EQ(TextFileReader::decode(fourByte), smiley);
    EXPECT_EQ(TextFileReader::decode(bom + fourByte), smiley);
    EXPECT_EQ(TextFileReader::decode(halves), smiley);
    EXPECT_EQ(TextFileReader::decode(bom + halves), smiley);
}

TEST(TextFileReader, dropsBrokenSequencesAfterUtf8Bom)
{
    const QByteArray bom = bytes({0xEF, 0xBB, 0xBF});
    // Stray continuation byte, a lead without continuation, a 5-byte lead, a truncated end.
    EXPECT_EQ(TextFileReader::decode(bom + bytes({'a', 0x80, 'b', 0xC3, 'c', 0xF8, 'd', 0xE2, 0x82})),
              QStringLiteral("abcd"));
    EXPECT_EQ(TextFileReader::decode(bom + bytes({0xF0, 0x9F, 0x98})), QString());
    EXPECT_EQ(TextFileReader::decode(bom), QString());
}

TEST(TextFileReader, ignoresAnOddLastByteOfUtf16)
{
    EXPECT_EQ(TextFileReader::decode(bytes({0xFF, 0xFE, 'h', 0, 'i', 0, 'x'})), QStringLiteral("hi"));
    EXPECT_EQ(TextFileReader::decode(bytes({0xFE, 0xFF, 0, 'h', 0, 'i', 0})), QStringLiteral("hi"));
}

TEST(TextFileReader, readsFilesAndRefusesTooLargeOrMissingOnes)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("a.txt"), encodeWithQt(QStringConverter::Utf16LE, kSample));
    TextFileReader reader;
    ASSERT_TRUE(reader.open(path));
    EXPECT_EQ(reader.readAll(), kSample);
    reader.close();
    EXPECT_TRUE(reader.readAll().isEmpty());

    EXPECT_FALSE(reader.open(path, 10));
    EXPECT_TRUE(reader.readAll().isEmpty());
    EXPECT_FALSE(reader.open(dir.file(QStringLiteral("missing.txt"))));
    EXPECT_FALSE(reader.open(dir.path()));
    EXPECT_TRUE(reader.readAll().isEmpty());
}

TEST(TextFileWriter, writesBomAndStandardUtf8)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("out.txt"));
    TextFileWriter writer;
    ASSERT_TRUE(writer.open(path));
    writer.write(kSample);
    writer.writeInt(-12);
    writer.setHexMode(true);
    writer.writeInt(10);
    writer.writeInt(255);
    ASSERT_TRUE(writer.commit());

    const QByteArray expected = bytes({0xEF, 0xBB, 0xBF}) + (kSample + QStringLiteral("-120aff")).toUtf8();
    EXPECT_EQ(vistello::test::readAll(path), expected);
    TextFileReader reader;
    ASSERT_TRUE(reader.open(path));
    EXPECT_EQ(reader.readAll(), kSample + QStringLiteral("-120aff"));
}

TEST(TextFileWriter, lonelySurrogateKeepsItsThreeByteForm)
{
    const QString lone(QChar(char16_t(0xD83D)));
    EXPECT_EQ(TextFileWriter::encode(lone), bytes({0xED, 0xA0, 0xBD}));
    EXPECT_EQ(TextFileReader::decode(bytes({0xEF, 0xBB, 0xBF}) + TextFileWriter::encode(lone)), lone);
}

TEST(TextFileWriter, outputIsReadByIconv)
{
    const QString iconv = QStandardPaths::findExecutable(QStringLiteral("iconv"));
    if (iconv.isEmpty())
        SKIP_OR_FAIL("iconv not installed");
    QProcess process;
    process.start(iconv, {QStringLiteral("-f"), QStringLiteral("UTF-8"), QStringLiteral("-t"), QStringLiteral("UTF-16LE")});
    process.write(TextFileWriter::encode(kSample));
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    const QByteArray utf16 = process.readAllStandardOutput();
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(utf16.constData()), utf16.size() / 2), kSample);
}

TEST(TextFileWriter, failedOpenMakesWritesDoNothing)
{
    TempDir dir;
    TextFileWriter writer;
    EXPECT_FALSE(writer.open(dir.file(QStringLiteral("no/such/folder/x.txt"))));
    EXPECT_FALSE(writer.isOpen());
    writer.write(QStringLiteral("ignored"));
    writer.writeInt(3);
    EXPECT_FALSE(writer.commit());
}

TEST(TextFileWriter, uncommittedOrFailedWriteKeepsTheOldFile)
{
    TempDir dir;
    const QByteArray old("old contents");
    const QString path = dir.write(QStringLiteral("keep.txt"), old);
    {
        TextFileWriter writer;
        ASSERT_TRUE(writer.open(path));
        writer.write(QStringLiteral("new"));
    } // destroyed without commit
    EXPECT_EQ(vistello::test::readAll(path), old);

    bool committed = true;
    {
        vistello::test::ScopedFileSizeLimit limit(4);
        ASSERT_TRUE(limit.active());
        TextFileWriter writer;
        writer.open(path);
        writer.write(QString(100000, u'x'));
        committed = writer.commit();
    }
    EXPECT_FALSE(committed);
    EXPECT_EQ(vistello::test::readAll(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

} // namespace
