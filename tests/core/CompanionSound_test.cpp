#include "core/filetypes/CompanionSound.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

struct SoundCase {
    const char* picture;
    std::vector<const char*> files; // beside the picture; a trailing "/" makes a folder
    const char* expected;
};

class CompanionSound : public testing::TestWithParam<SoundCase> {};

} // namespace

TEST_P(CompanionSound, IsFoundBesideThePicture)
{
    const SoundCase& c = GetParam();
    vistello::test::TempDir dir;
    const QString picture = dir.write(QString::fromUtf8(c.picture), "x");
    for (const char* name : c.files) {
        const QString file = QString::fromUtf8(name);
        if (file.endsWith(QLatin1Char('/')))
            QDir().mkpath(dir.file(file));
        else
            dir.write(file, "RIFF");
    }
    const QString expected = QString::fromUtf8(c.expected);
    EXPECT_EQ(findCompanionSound(picture, false), expected);
    EXPECT_EQ(findCompanionSound(picture, true), expected.isEmpty() ? QString() : dir.file(expected));
    CompanionSoundIndex index; // the folder listed once gives the same answers
    EXPECT_EQ(findCompanionSound(picture, false, &index), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, CompanionSound, testing::Values(
    SoundCase{"IMG_0001.JPG", {"IMG_0001.wav"}, "IMG_0001.wav"},
    SoundCase{"IMG_0001.JPG", {"SND_0001.wav"}, "SND_0001.wav"},
    SoundCase{"IMG_0001.JPG", {"IMG_0001.WAV"}, "IMG_0001.WAV"},
    SoundCase{"IMG_0001.JPG", {"snd_0001.WAV"}, "snd_0001.WAV"},
    SoundCase{"IMG_0001.JPG", {"SND_0001.wav", "IMG_0001.WAV"}, "IMG_0001.WAV"},
    SoundCase{"IMG_0001.JPG", {"snd_0001.wav", "SND_0001.wav"}, "SND_0001.wav"},
    SoundCase{"IMG_0001.JPG", {"IMG_0002.wav", "IMG_0001.mp3"}, ""},
    SoundCase{"IMG_0001.JPG", {"IMG_0001.wav/"}, ""},
    SoundCase{"a.b.jpg", {"a.b.wav"}, "a.b.wav"},
    SoundCase{"IMG_0001", {"IMG_0001.wav"}, "IMG_0001.wav"}));
