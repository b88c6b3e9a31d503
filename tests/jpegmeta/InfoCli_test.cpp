// vistello-cli info, driven as a user drives it.
#include "jpegmeta/MetaFixtures.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vistello::test;

namespace {

// IFD0 {Make "VX", ExifIFD -> {ExposureTime 1/250, ExifVersion "0220"}} and a comment.
QByteArray smallCameraFile()
{
    TiffBytes t(true);
    t.directory(8, 2);
    t.rawEntry(8, 0, 0x010F, 2, 3, QByteArray("VX\0", 3));
    t.entry(8, 1, 0x8769, 4, 1, 100);
    t.directory(100, 2);
    t.entry(100, 0, 0x829A, 5, 1, 200);
    t.put32(200, 1);
    t.put32(204, 250);
    t.rawEntry(100, 1, 0x9000, 7, 4, QByteArray("0220"));
    return jpegWith({t.app1Segment(), segment(0xFE, QByteArray("Hello\0", 6))});
}

TEST(InfoCli, PrintsThePictureDataAsCopiedText)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("a.jpg"), smallCameraFile());
    const CliRun run = runCli({QStringLiteral("info"), path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Picture data for picture \"%1\"\r\n"
                                                         "\r\nEXIF\r\n-------------\r\n"
                                                         "Make         : VX \r\n"
                                                         "Exif offset  : 100\r\n"
                                                         "Exposure time: 4.0 ms\r\n"
                                                         "Exif version : 2.2\r\n"
                                                         "\r\nComment\r\n-------------\r\n"
                                                         "Comment      : Hello\r\n")
                                              .arg(path));
}

TEST(InfoCli, SummaryPrintsTheInformationText)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("a.jpg"), smallCameraFile());
    const CliRun run = runCli({QStringLiteral("info"), QStringLiteral("--summary"), path});
    ASSERT_EQ(run.exitCode, 0);
    const QString& text = run.out;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Picture name:\ta.jpg\nPicture size:\t16x16 pixel\nShutter speed:\t1/250 s\n"
                                               "File size:\t%1 KB (%2 Bytes)\nModified on:\t")
                                    .arg(QFileInfo(path).size() / 1024 + 1)
                                    .arg(QFileInfo(path).size())))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QLatin1Char('\n')));
}

TEST(InfoCli, MissingFilesFailAndNoFileIsAUsageError)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("a.jpg"), smallCameraFile());
    const CliRun run = runCli({QStringLiteral("info"), path, dir.file(QStringLiteral("missing.jpg"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.startsWith("Picture data for picture"));
    EXPECT_EQ(runCli({QStringLiteral("info")}).exitCode, 2);
}

} // namespace
