// vistello-cli extract: each embedded extra equals what exiftool extracts
// from the same file, a picture without it exits 1 with the menu's message,
// and hostile or huge files neither crash nor get read whole.
#include "app/SampleTools.h"
#include "app/samples/SamplePicture.h"
#include "app/samples/WavWriter.h"
#include "jpegmeta/SoundPictures.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace vistello;
using namespace vistello::test;
using sampletools::runTool;

namespace {

QByteArray exiftoolBinary(const char* tag, const QString& path)
{
    return runTool(QStringLiteral("exiftool"), {QStringLiteral("-b"), QLatin1Char('-') + QLatin1String(tag), path})
        .out;
}

QString sampleFolder(const char* theme)
{
    const QString shared = sharedSamplesDir();
    return shared.isEmpty() ? QString() : shared + QLatin1String(theme);
}

} // namespace

TEST(ExtractCli, SoundOverTwoFlashPixSegmentsEqualsExiftool)
{
    SKIP_WITHOUT_CLI();
    SKIP_WITHOUT_TOOL("exiftool");
    TempDir dir;
    const QByteArray wave = samples::WavWriter::tone(440.0, 300);
    const QString picture = dir.write("IMG_0001.jpg", flashPixSoundPicture(wave));
    const CliRun run = runCli({QStringLiteral("extract"), QStringLiteral("sound"), picture, QStringLiteral("-o"),
                               dir.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("%1 bytes\n").arg(wave.size()));
    const QByteArray expected = exiftoolBinary("AudioStream", picture);
    ASSERT_EQ(expected, wave) << "the generated picture is not read as a camera's by exiftool";
    EXPECT_EQ(readAll(dir.file("out.wav")), expected);

    // The proposed name stands beside the picture.
    const CliRun proposed = runCli({QStringLiteral("extract"), QStringLiteral("sound"), picture,
                                    QStringLiteral("--proposed")});
    ASSERT_EQ(proposed.exitCode, 0) << proposed.err.toStdString();
    EXPECT_TRUE(proposed.out.endsWith(dir.file("IMG_0001.wav") + QLatin1Char('\n'))) << proposed.out.toStdString();
    EXPECT_EQ(readAll(dir.file("IMG_0001.wav")), wave);
}

// The RIFF size comes from the file: near 4 GiB it must neither wrap nor be
// read past the data.
TEST(ExtractCli, SoundWithAHugeRiffSizeExitsOne)
{
    SKIP_WITHOUT_CLI();
    TempDir dir;
    for (const uint32_t riffSize : {0xFFFFFFF0u, 0xFFFFFFF8u, 0xFFFFFFFFu}) {
        QByteArray wave = samples::WavWriter::tone(440.0, 50);
        qToLittleEndian<quint32>(riffSize, wave.data() + 4);
        const QString picture = dir.write(QStringLiteral("IMG_%1.jpg").arg(riffSize), flashPixSoundPicture(wave));
        const CliRun run = runCli({QStringLiteral("extract"), QStringLiteral("sound"), picture, QStringLiteral("-o"),
                                   dir.file("out.wav")});
        EXPECT_EQ(run.exitCode, 1) << riffSize << run.err.toStdString();
        EXPECT_EQ(run.err, QStringLiteral("The picture \"%1\"\ndoes not contain embedded audio data.\n").arg(picture))
            << riffSize;
        EXPECT_FALSE(QFile::exists(dir.file("out.wav")));
    }
}

// A 1 GB picture (sparse: its header, then nothing stored) gives its sound
// at once: only the header's APP2 segments are read.
TEST(ExtractCli, SoundOfAHugePictureComesFromItsHeaderAtOnce)
{
    SKIP_WITHOUT_CLI();
    TempDir dir;
    const QByteArray wave = samples::WavWriter::tone(440.0, 200);
    const QString picture = dir.write("huge.jpg", flashPixSoundPicture(wave));
    ASSERT_TRUE(QFile::resize(picture, qint64(1) << 30));
    QElapsedTimer timer;
    timer.start();
    const CliRun run = runCli({QStringLiteral("extract"), QStringLiteral("sound"), picture, QStringLiteral("-o"),
                               dir.file("out.wav")});
    EXPECT_LT(timer.elapsed(), 1000);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(readAll(dir.file("out.wav")), wave);
}

TEST(ExtractCli, ProfilesEqualExiftoolAndDuplicateSequenceExitsOne)
{
    SKIP_WITHOUT_CLI();
    SKIP_WITHOUT_TOOL("exiftool");
    const QString folder = sampleFolder("icc");
    if (folder.isEmpty())
        SKIP_OR_FAIL("no shared samples");
    TempDir dir;
    const QDir icc(folder);
    int compared = 0;
    bool duplicateSeen = false;
    for (const QString& name : icc.entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
        const QString path = icc.filePath(name);
        QFile::remove(dir.file("out.icm"));
        const CliRun run = runCli(
            {QStringLiteral("extract"), QStringLiteral("profile"), path, QStringLiteral("-o"), dir.file("out.icm")});
        if (name.contains(QLatin1String("duplicate-sequence"))) {
            duplicateSeen = true;
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_EQ(run.err, QStringLiteral("The picture \"%1\"\ndoes not contain a color profile.\n").arg(path));
            EXPECT_FALSE(QFile::exists(dir.file("out.icm")));
            continue;
        }
        ASSERT_EQ(run.exitCode, 0) << name.toStdString() << run.err.toStdString();
        const QByteArray expected = exiftoolBinary("ICC_Profile", path);
        ASSERT_FALSE(expected.isEmpty()) << name.toStdString();
        EXPECT_EQ(readAll(dir.file("out.icm")), expected) << name.toStdString();
        EXPECT_EQ(run.out, QStringLiteral("%1 bytes\n").arg(expected.size()));
        ++compared;
    }
    EXPECT_TRUE(duplicateSeen);
    EXPECT_GE(compared, 2);
}

// exiftool gives the stream as stored; the saved thumbnail always ends in EOI.
TEST(ExtractCli, ThumbnailsEqualExiftoolWithEoi)
{
    SKIP_WITHOUT_CLI();
    SKIP_WITHOUT_TOOL("exiftool");
    TempDir dir;
    QStringList pictures {dir.write("IMG_0001.jpg", samples::buildSamplePicture({}))};
    const QString folder = sampleFolder("thumbnails");
    if (folder.isEmpty())
        SKIP_OR_FAIL("no shared samples");
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files))
        pictures.append(QDir(folder).filePath(name));
    for (const QString& path : pictures) {
        QByteArray expected = exiftoolBinary("ThumbnailImage", path);
        if (expected.isEmpty())
            continue; // a JFXX-only thumbnail exiftool names otherwise
        if (!expected.endsWith("\xFF\xD9"))
            expected.append("\xFF\xD9", 2);
        const CliRun run = runCli(
            {QStringLiteral("extract"), QStringLiteral("thumbnail"), path, QStringLiteral("-o"), dir.file("t.jpg")});
        ASSERT_EQ(run.exitCode, 0) << path.toStdString() << run.err.toStdString();
        EXPECT_EQ(readAll(dir.file("t.jpg")), expected) << path.toStdString();
    }

    samples::SamplePictureRecipe bare;
    bare.thumbnail = false;
    const QString without = dir.write("IMG_0002.jpg", samples::buildSamplePicture(bare));
    const CliRun none = runCli({QStringLiteral("extract"), QStringLiteral("thumbnail"), without});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains(QLatin1String("does not contain"))) << none.err.toStdString();
}
