// A comment that stands after the quantisation tables (where wrjpgcom puts
// it) is the picture's comment as exiftool and rdjpgcom see it, and writing
// a comment replaces that segment in its place, every other byte unchanged.
#include "app/SampleTools.h"
#include "app/samples/SamplePicture.h"
#include "jpegmeta/segments/HeaderCollector.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vistello;
using namespace vistello::test;
using sampletools::runTool;

namespace {

// The offset of the first COM segment before the scan, walking every segment.
qsizetype commentOffset(const QByteArray& jpeg)
{
    qsizetype p = 2;
    while (p + 4 <= jpeg.size() && uint8_t(jpeg[p]) == 0xFF && uint8_t(jpeg[p + 1]) != 0xDA) {
        if (uint8_t(jpeg[p + 1]) == 0xFE)
            return p;
        p += 2 + ((uint8_t(jpeg[p + 2]) << 8) | uint8_t(jpeg[p + 3]));
    }
    return -1;
}

// A camera-like picture whose comment wrjpgcom added.
QByteArray wrjpgcomPicture(const TempDir& dir, const QString& text)
{
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = {64, 48};
    const QString plain = dir.write("plain.jpg", samples::buildSamplePicture(recipe));
    return runTool(QStringLiteral("wrjpgcom"), {QStringLiteral("-comment"), text, plain}).out;
}

} // namespace

TEST(CommentAfterTables, ReadAsExiftoolReadsIt)
{
    SKIP_WITHOUT_TOOL("wrjpgcom");
    SKIP_WITHOUT_TOOL("exiftool");
    TempDir dir;
    const QByteArray jpeg = wrjpgcomPicture(dir, QStringLiteral("Harbour at dusk"));
    const QByteArray markers = sampletools::headerMarkers(jpeg);
    ASSERT_GT(markers.indexOf('\xFE'), markers.indexOf('\xDB')) << "wrjpgcom put the comment elsewhere";
    const QString path = dir.write("IMG_0001.jpg", jpeg);

    const QByteArray expected =
        runTool(QStringLiteral("exiftool"), {QStringLiteral("-s3"), QStringLiteral("-Comment"), path}).out.trimmed();
    ASSERT_EQ(expected, "Harbour at dusk");
    EXPECT_EQ(collectHeaderData(path, {.wantComment = true}).comment, expected);
    SKIP_WITHOUT_CLI();
    const CliRun info = runCli({QStringLiteral("info"), path});
    EXPECT_TRUE(info.out.contains(QRegularExpression(QStringLiteral("\r\nComment *: Harbour at dusk\r\n"))))
        << info.out.toStdString();
}

TEST(CommentAfterTables, AppendingReplacesTheSegmentInPlace)
{
    SKIP_WITHOUT_TOOL("wrjpgcom");
    SKIP_WITHOUT_TOOL("rdjpgcom");
    SKIP_WITHOUT_CLI();
    TempDir dir;
    const QByteArray before = wrjpgcomPicture(dir, QStringLiteral("Old"));
    const QString path = dir.write("IMG_0001.jpg", before);
    const CliRun run = runCli({QStringLiteral("comment"), QStringLiteral("-b"), dir.path(), QStringLiteral("--file"),
                               QStringLiteral(" and new"), QStringLiteral("--add"), path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    // rdjpgcom shows the terminator the program writes as "\000".
    EXPECT_EQ(runTool(QStringLiteral("rdjpgcom"), {path}).out, QByteArray("Old and new\\000\n"));
    const QByteArray after = readAll(path);
    const qsizetype at = commentOffset(before);
    ASSERT_GT(at, 0);
    ASSERT_EQ(commentOffset(after), at) << "the comment moved";
    const qsizetype oldEnd = at + 2 + ((uint8_t(before[at + 2]) << 8) | uint8_t(before[at + 3]));
    const qsizetype newEnd = at + 2 + ((uint8_t(after[at + 2]) << 8) | uint8_t(after[at + 3]));
    EXPECT_EQ(after.left(at), before.left(at));
    EXPECT_EQ(after.mid(newEnd), before.mid(oldEnd));
    EXPECT_EQ(after.mid(at + 4, newEnd - at - 4), QByteArray("Old and new", 12)); // with its terminator
}

// A hostile run after the header: a table whose length runs past the end,
// or a scan before any comment, gives no comment and no crash.
TEST(CommentAfterTables, NoCommentBehindAScanOrABrokenTable)
{
    const QByteArray scanFirst = QByteArray("\xFF\xD8\xFF\xDA\x00\x02\xFF\xFE\x00\x05" "abc", 13);
    const QByteArray brokenTable = QByteArray("\xFF\xD8\xFF\xDB\xFF\xF0\xFF\xFE\x00\x05" "abc", 13);
    for (const QByteArray& bytes : {scanFirst, brokenTable}) {
        MemoryByteSource source(bytes);
        EXPECT_TRUE(collectHeaderData(source, {.wantComment = true}).comment.isEmpty());
    }
}
