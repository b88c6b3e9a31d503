// "vistello-cli hex" against independent dumps of the same bytes: xxd for
// hexadecimal and base-two digits, od for decimal addresses and digits;
// on generated JPEGs and the shared camera samples.
#include "../app/SampleTools.h"
#include "jpegmeta/MetaFixtures.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vistello;
using test::sampletools::runTool;

namespace {

QList<QStringList> fieldLines(const QString& text)
{
    QList<QStringList> lines;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts))
        lines.append(line.split(u' ', Qt::SkipEmptyParts));
    return lines;
}

// Address and byte fields of every line from offset on; the character column is not compared.
void expectSameFields(const QString& ours, const QString& theirs, qint64 fileSize, qint64 offset, const QString& what)
{
    const QList<QStringList> a = fieldLines(ours);
    const QList<QStringList> b = fieldLines(theirs);
    ASSERT_EQ(a.size(), b.size()) << what.toStdString();
    for (qsizetype i = 0; i < a.size(); ++i) {
        const int bytes = int(std::min<qint64>(16, fileSize - offset - i * 16));
        ASSERT_GT(a[i].size(), bytes);
        ASSERT_GT(b[i].size(), bytes);
        for (int f = 0; f <= bytes; ++f) {
            QString theirsField = b[i][f];
            if (f == 0)
                theirsField.remove(u':'); // xxd's address ends in ":"
            ASSERT_EQ(a[i][f], theirsField) << what.toStdString() << " line " << i << " field " << f;
        }
    }
}

// lines 16-byte lines from offset, hexadecimal (and base two when asked).
void compareWithXxd(const QString& path, qint64 offset = 0, int lines = 1 << 20, bool binary = true)
{
    const qint64 size = QFileInfo(path).size();
    const QString from = QString::number(offset);
    const QString length = QString::number(qint64(lines) * 16);
    const QString count = QString::number(lines);
    const test::CliRun hex = test::runCli({"hex", "--offset", from, "--lines", count, path});
    ASSERT_EQ(hex.exitCode, 0) << hex.err.toStdString();
    expectSameFields(hex.out, QString::fromLatin1(runTool("xxd", {"-g1", "-c16", "-s", from, "-l", length, path}).out),
                     size, offset, path);
    if (!binary)
        return;
    const test::CliRun digits = test::runCli({"hex", "--digits", "8", "--no-chars", "--offset", from, "--lines", count, path});
    expectSameFields(digits.out, QString::fromLatin1(runTool("xxd", {"-b", "-c16", "-s", from, "-l", length, path}).out),
                     size, offset, path + " -b");
}

TEST(HexCli, MatchesXxdOnGeneratedJpegs)
{
    SKIP_WITHOUT_CLI();
    SKIP_WITHOUT_TOOL("xxd");
    test::TempDir dir;
    // 16 x 16 JPEG and one with a comment, sizes that do and do not fill the last line.
    compareWithXxd(dir.write("plain.jpg", test::plainJpeg()));
    compareWithXxd(dir.write("comment.jpg", test::jpegWith({test::segment(0xFE, "made by hand")})));
    compareWithXxd(dir.write("sixteen.bin", QByteArray(32, '\xFF')));
}

TEST(HexCli, MatchesXxdOnCameraSamples)
{
    SKIP_WITHOUT_CLI();
    SKIP_WITHOUT_TOOL("xxd");
    const QStringList samples = test::sampletools::sharedSamplePictures();
    if (samples.isEmpty())
        SKIP_OR_FAIL("no camera samples");
    // The first 64 KiB of each (most are shorter; the generated files cover the ends).
    for (const QString& path : samples)
        compareWithXxd(path, 0, 4096, false);
}

TEST(HexCli, DecimalMatchesOd)
{
    SKIP_WITHOUT_CLI();
    SKIP_WITHOUT_TOOL("od");
    test::TempDir dir;
    QByteArray bytes;
    for (int i = 0; i < 1000; ++i)
        bytes.append(char((i * 37) & 0xFF));
    const QString path = dir.write("ramp.bin", bytes);
    const test::CliRun ours = test::runCli({"hex", "--digits", "3", "--decimal-address", "--offset", "100", "--lines", "7", path});
    ASSERT_EQ(ours.exitCode, 0);
    // od prints decimals unpadded: compare numbers.
    const QList<QStringList> a = fieldLines(ours.out);
    const QList<QStringList> b = fieldLines(QString::fromLatin1(
        runTool("od", {"-A", "d", "-t", "u1", "-w16", "-v", "-j", "100", "-N", "112", path}).out));
    ASSERT_EQ(a.size(), 7);
    for (int i = 0; i < 7; ++i)
        for (int f = 0; f <= 16; ++f)
            EXPECT_EQ(a[i][f].toULongLong(), b[i][f].toULongLong()) << i << " " << f;
    EXPECT_EQ(a[0][0], QStringLiteral("00000100"));
}

TEST(HexCli, Usage)
{
    SKIP_WITHOUT_CLI();
    for (const QStringList& args : {QStringList{"hex", "--digits", "4", "x"}, QStringList{"hex", "--offset", "-1", "x"},
                                    QStringList{"hex", "--lines", "many", "x"}, QStringList{"hex"}, QStringList{"histogram"}})
        EXPECT_EQ(test::runCli(args).exitCode, 2) << args.join(u' ').toStdString();
    EXPECT_EQ(test::runCli({"hex", "/nonexistent/file"}).exitCode, 1);
}

} // namespace
