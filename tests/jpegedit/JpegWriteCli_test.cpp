// vistello-cli jpeg-write against cjpeg and djpeg on the same pixels.
#include "jpegedit/TransformFixtures.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;
using test::sampletools::runTool;
using test::sampletools::toolAvailable;

// The quantisation table segments, in file order.
QByteArray quantisationTables(const QByteArray& jpeg)
{
    QByteArray tables;
    qsizetype p = 2;
    while (p + 4 <= jpeg.size() && uint8_t(jpeg[p]) == 0xFF && uint8_t(jpeg[p + 1]) != 0xDA) {
        const int length = (uint8_t(jpeg[p + 2]) << 8) | uint8_t(jpeg[p + 3]);
        if (uint8_t(jpeg[p + 1]) == 0xDB)
            tables += jpeg.mid(p + 4, length - 2);
        p += 2 + length;
    }
    return tables;
}

TEST(JpegWriteCli, SameTablesAndPixelsAsCjpeg)
{
    SKIP_WITHOUT_CLI();
    if (!toolAvailable(QStringLiteral("cjpeg")) || !toolAvailable(QStringLiteral("djpeg")))
        SKIP_OR_FAIL("cjpeg/djpeg are not installed");
    TempDir dir;
    const QString input = dir.write(QStringLiteral("in.jpg"),
                                    test::transform::encodeLayout(test::transform::Layout::Yuv444, 131, 77, 95));
    const QString ppm = dir.write(QStringLiteral("in.ppm"), test::transform::decodeWithDjpeg(input));
    for (const char* q : {"75,40", "90", "10,100", "100,1"}) {
        const QString ours = dir.file(QStringLiteral("ours%1.jpg").arg(QLatin1String(q)));
        const QString theirs = dir.file(QStringLiteral("theirs%1.jpg").arg(QLatin1String(q)));
        const auto run = test::runCli({"jpeg-write", "-q", q, input, ours});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QString expectedQ = QString::fromLatin1(q).contains(u',') ? QString::fromLatin1(q) : QString::fromLatin1(q) + ",90";
        EXPECT_EQ(run.out, QStringLiteral("131x77 ") + expectedQ + QLatin1Char('\n'));
        ASSERT_EQ(runTool(QStringLiteral("cjpeg"), {"-quality", expectedQ, "-sample", "1x1", "-baseline", "-outfile", theirs, ppm}).exitCode, 0);
        EXPECT_EQ(quantisationTables(test::readAll(ours)), quantisationTables(test::readAll(theirs))) << q;
        EXPECT_EQ(test::transform::decodeWithDjpeg(ours), test::transform::decodeWithDjpeg(theirs)) << q;
    }
}

TEST(JpegWriteCli, UsageErrorsAndDamagedInput)
{
    SKIP_WITHOUT_CLI();
    TempDir dir;
    const QByteArray good = test::transform::encodeLayout(test::transform::Layout::Yuv420, 64, 48);
    const QString input = dir.write(QStringLiteral("in.jpg"), good);
    const QString out = dir.file(QStringLiteral("out.jpg"));
    EXPECT_EQ(test::runCli({"jpeg-write", "--fast", input, out}).exitCode, 2);
    EXPECT_EQ(test::runCli({"jpeg-write", "-q", "101", input, out}).exitCode, 2);
    EXPECT_EQ(test::runCli({"jpeg-write", "-q", "75,40,3", input, out}).exitCode, 2);
    EXPECT_EQ(test::runCli({"jpeg-write", input}).exitCode, 2);
    EXPECT_EQ(test::runCli({"jpeg-write", "--help"}).exitCode, 0);

    const QString cut = dir.write(QStringLiteral("cut.jpg"), good.left(good.size() * 6 / 10));
    const auto run = test::runCli({"jpeg-write", cut, cut});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(run.err.isEmpty());
    EXPECT_EQ(test::readAll(cut), good.left(good.size() * 6 / 10));
    EXPECT_FALSE(QFileInfo::exists(out));
}

} // namespace
} // namespace vistello
