// vistello-cli makernote, driven as a user drives it.
#include "app/samples/ExifBuilder.h"
#include "jpegmeta/MetaFixtures.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vistello::samples;
using namespace vistello::test;

namespace {

QByteArray jpegWithNote(const QByteArray& make)
{
    auto note = std::make_shared<TiffDirectory>();
    note->set(TiffField::shorts(0x0001, {6, 1, 0xFFFF}));
    note->set(TiffField::longs(0x0008, {1010163}));
    note->set(TiffField::rationals(0x0099, {{3, 2}}));
    ExifBuilder b(TiffByteOrder::LittleEndian);
    b.ifd0().set(TiffField::ascii(0x010F, make));
    b.exif().set(TiffField::embedded(0x927C, {{}, note, std::nullopt, std::nullopt}));
    return jpegWith({ExifBuilder::app1Segment(b.build())});
}

TEST(MakernoteCli, PrintsEveryEntryOfTheNote)
{
    SKIP_WITHOUT_CLI();
    TempDir dir;
    const QString path = dir.write(QStringLiteral("a.jpg"), jpegWithNote("Canon"));
    const CliRun plain = runCli({QStringLiteral("makernote"), path});
    ASSERT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out, QStringLiteral("7\t0x0001\t\t6, 1, 65535\n"
                                        "8\t0x0001\tMacro mode\tMacro\n"
                                        "8\t0x0002\tSelf-timer length\t65535\n"
                                        "7\t0x0008\tImage Number\t101-0163\n"
                                        "7\t0x0099\t\t3/2\n"));
    const CliRun raw = runCli({QStringLiteral("makernote"), QStringLiteral("--raw"), path});
    ASSERT_EQ(raw.exitCode, 0);
    EXPECT_EQ(raw.out, QStringLiteral("7\t0x0001\t\t6, 1, 65535\t6 1 65535\n"
                                      "8\t0x0001\tMacro mode\tMacro\t1\n"
                                      "8\t0x0002\tSelf-timer length\t65535\t65535\n"
                                      "7\t0x0008\tImage Number\t101-0163\t1010163\n"
                                      "7\t0x0099\t\t3/2\t3/2\n"));
    EXPECT_TRUE(raw.err.isEmpty());
}

TEST(MakernoteCli, FilesWithoutADecodedNoteAreRemarkedOn)
{
    SKIP_WITHOUT_CLI();
    TempDir dir;
    const QString none = dir.write(QStringLiteral("none.jpg"), plainJpeg());
    const QString other = dir.write(QStringLiteral("other.jpg"), jpegWithNote("Kodak"));
    const CliRun run = runCli({QStringLiteral("makernote"), none, other});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, none + ":\n" + other + ":\n");
    EXPECT_TRUE(run.err.contains(QStringLiteral("no maker note in \"%1\"").arg(none))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("the maker note of \"%1\" is not decoded").arg(other)));

    EXPECT_EQ(runCli({QStringLiteral("makernote"), dir.file(QStringLiteral("missing.jpg"))}).exitCode, 1);
    EXPECT_EQ(runCli({QStringLiteral("makernote")}).exitCode, 2);
}

} // namespace
