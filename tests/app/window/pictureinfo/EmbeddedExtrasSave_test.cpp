#include "app/window/pictureinfo/EmbeddedExtrasSave.h"

#include "app/SampleTools.h"
#include "app/samples/SamplePicture.h"
#include "app/samples/WavWriter.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/prompts/Prompts.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegmeta/SoundPictures.h"
#include "support/TempDir.h"

#include <QDir>
#include <unistd.h>
#include <gtest/gtest.h>

using namespace vistello;
using namespace vistello::test;
using namespace vistello::samples;
using sampletools::runTool;

namespace {

QByteArray exiftoolBinary(const QString& tag, const QString& path)
{
    return runTool(QStringLiteral("exiftool"), {QStringLiteral("-b"), QLatin1Char('-') + tag, path}).out;
}

} // namespace

TEST(EmbeddedExtrasSave, ProposedNames)
{
    struct Row { const char* path; const char* thumbnail; const char* sound; };
    const Row rows[] = {
        {"/p/IMG_0001.JPG", "/p/IMG_0001_t.jpg", "IMG_0001.wav"},
        {"/p/.jpg", "/p/_t.jpg", "Vistello_LE.wav"},
        {"/p.d/noext", "/p.d/noext_t.jpg", "Vistello_LE.wav"},
        {"/p/a.b.jpeg", "/p/a.b_t.jpg", "a.b.wav"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(thumbnailSaveName(QString::fromUtf8(row.path)), QString::fromUtf8(row.thumbnail)) << row.path;
        EXPECT_EQ(extraSaveName(QString::fromUtf8(row.path), QStringLiteral(".wav")), QString::fromUtf8(row.sound))
            << row.path;
    }
}

// The saved thumbnail is the stream another reader finds in the EXIF block.
TEST(EmbeddedExtrasSave, ThumbnailSavedAsExiftoolReadsIt)
{
    SKIP_WITHOUT_TOOL("exiftool");
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    TempDir dir;
    const QString picture = dir.write("IMG_0001.jpg", buildSamplePicture({}));
    SamplePictureRecipe bare;
    bare.thumbnail = false;
    const QString without = dir.write("IMG_0002.jpg", buildSamplePicture(bare));

    ScriptedPrompts prompts;
    prompts.queueAnswer(dir.file("saved.jpg"));
    EXPECT_EQ(saveEmbeddedThumbnail(picture, prompts), dir.file("saved.jpg"));
    const QByteArray expected = exiftoolBinary(QStringLiteral("ThumbnailImage"), picture);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(readAll(dir.file("saved.jpg")), expected);

    // No thumbnail: no dialog, nothing written.
    prompts.queueAnswer(dir.file("none.jpg"));
    EXPECT_FALSE(savableThumbnail(without).has_value());
    EXPECT_TRUE(saveEmbeddedThumbnail(without, prompts).isEmpty());
    EXPECT_EQ(prompts.pendingAnswers(), 1);
    EXPECT_FALSE(QFile::exists(dir.file("none.jpg")));
}

// Saving over a chosen file makes a new file: another link to the old one
// keeps its contents. A file that cannot be written is reported.
TEST(EmbeddedExtrasSave, SaveMakesANewFileAndReportsFailures)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    TempDir dir;
    const QString picture = dir.write("IMG_0001.jpg", buildSamplePicture({}));
    const QString chosen = dir.write("old.jpg", QByteArray("old contents"));
    ASSERT_EQ(::link(qPrintable(chosen), qPrintable(dir.file("other.jpg"))), 0);
    ScriptedPrompts prompts;
    prompts.queueAnswer(chosen);
    EXPECT_EQ(saveEmbeddedThumbnail(picture, prompts), chosen);
    EXPECT_EQ(readAll(chosen), *savableThumbnail(picture));
    EXPECT_EQ(readAll(dir.file("other.jpg")), QByteArray("old contents"));

    const QString nowhere = dir.file("missing/t.jpg");
    prompts.queueAnswer(nowhere);
    EXPECT_TRUE(saveEmbeddedThumbnail(picture, prompts).isEmpty());
    ASSERT_FALSE(prompts.shown().isEmpty());
    EXPECT_TRUE(prompts.shown().last().contains(QStringLiteral("could not be created")))
        << prompts.shown().last().toStdString();
}

// Profiles joined from their chunks match exiftool's; repeated chunks and a
// picture without any give none, and saving says so.
TEST(EmbeddedExtrasSave, ColourProfilesOfCameraFiles)
{
    SKIP_WITHOUT_TOOL("exiftool");
    const QString folder = sharedSamplesDir();
    if (folder.isEmpty())
        SKIP_OR_FAIL("no shared samples");
    const QDir icc(folder + QStringLiteral("/icc"));
    int compared = 0;
    for (const QString& name : icc.entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
        const QString path = icc.filePath(name);
        const std::optional<QByteArray> profile = embeddedColourProfile(path);
        if (name.contains(QLatin1String("duplicate-sequence"))) {
            EXPECT_FALSE(profile.has_value()) << name.toStdString();
            continue;
        }
        ASSERT_TRUE(profile.has_value()) << name.toStdString();
        EXPECT_EQ(*profile, exiftoolBinary(QStringLiteral("ICC_Profile"), path)) << name.toStdString();
        ++compared;
    }
    EXPECT_GE(compared, 2);

    TempDir dir;
    const QString plain = dir.write("IMG_0001.jpg", buildSamplePicture({}));
    ScriptedPrompts prompts;
    prompts.queueAnswer(dir.file("p.icm"));
    EXPECT_TRUE(saveColourProfile(plain, prompts).isEmpty());
    ASSERT_EQ(prompts.shown().size(), 1);
    EXPECT_TRUE(prompts.shown().first().contains(QStringLiteral("does not contain a color profile")));
    EXPECT_FALSE(QFile::exists(dir.file("p.icm")));
}

// "Save audio data as..." writes the joined stream; a picture without sound
// says so and asks for no file.
TEST(EmbeddedExtrasSave, SoundSavedOrMissingReported)
{
    TempDir dir;
    const QByteArray wave = WavWriter::tone(440.0, 100);
    const QString picture = dir.write("IMG_0001.jpg", flashPixSoundPicture(wave));
    const QString silent = dir.write("IMG_0002.jpg", buildSamplePicture({}));
    ScriptedPrompts prompts;
    prompts.queueAnswer(dir.file("memo.wav"));
    EXPECT_EQ(saveEmbeddedSound(picture, prompts), dir.file("memo.wav"));
    EXPECT_EQ(readAll(dir.file("memo.wav")), wave);

    prompts.queueAnswer(dir.file("none.wav"));
    EXPECT_FALSE(embeddedSound(silent).has_value());
    EXPECT_TRUE(saveEmbeddedSound(silent, prompts).isEmpty());
    ASSERT_FALSE(prompts.shown().isEmpty());
    EXPECT_EQ(prompts.shown().last(),
              QStringLiteral("The picture \"%1\"\ndoes not contain embedded audio data.").arg(silent));
    EXPECT_EQ(prompts.pendingAnswers(), 1);
    EXPECT_FALSE(QFile::exists(dir.file("none.wav")));
}
