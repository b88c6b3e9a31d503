#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vistello;

namespace {

FormatDescriptor pluginFormat(const QString& name, const QString& extensions, uint16_t capabilities)
{
    FormatDescriptor descriptor;
    descriptor.formatName = name;
    descriptor.extensions = extensions;
    descriptor.capabilities = capabilities;
    return descriptor;
}

const QString kBuiltInFilter = QStringLiteral("Jpeg (*.jpg;*.jpeg;*.jpe)|*.jpg;*.jpeg;*.jpe|BMP (*.bmp)|*.bmp|");

} // namespace

TEST(PictureFileTypes, BuiltInsAreRegisteredInOrder)
{
    PictureFileTypes plain;
    plain.registerBuiltIns(false, nullptr);
    EXPECT_EQ(plain.fileTypes().size(), 5u); // .jpg .jpeg .jpe .thm .bmp
    EXPECT_EQ(plain.pictureExtensions(), QStringList({".jpg", ".jpeg", ".jpe", ".thm"}));
    EXPECT_EQ(plain.writeFilter(), kBuiltInFilter);
    EXPECT_EQ(plain.readableFormatNames(), QStringLiteral("Jpeg")); // the nameless THM format is left out

    PictureFileTypes video;
    video.registerBuiltIns(true, nullptr);
    EXPECT_EQ(video.pictureExtensions().mid(4), QStringList({".avi", ".qt", ".mov", ".mpg", ".mpeg", ".m1v", ".wmv", ".mp3"}));
    EXPECT_EQ(video.readableFormatNames(), QStringLiteral("Jpeg, AVI or MP3"));
    EXPECT_EQ(video.writeFilter(), kBuiltInFilter);
}

TEST(PictureFileTypes, DeferredMediaAsksOnceAtTheFirstMediaNameAndEndsLikeEagerRegistration)
{
    for (const bool playable : {false, true}) {
        int asked = 0;
        PictureFileTypes types;
        types.registerBuiltInsDeferringMedia([&] { ++asked; return playable; }, nullptr);
        EXPECT_TRUE(types.isPictureFile(u"/p/a.jpg"));
        EXPECT_FALSE(types.isPictureFile(u"/p/notes.txt"));
        EXPECT_FALSE(types.isWritableFormat(u"/p/c.thm"));
        EXPECT_EQ(asked, 0);
        EXPECT_EQ(types.isPictureFile(u"/p/clip.MOV"), playable);
        EXPECT_EQ(types.typeOf(u"/p/song.mp3") != nullptr, playable);
        EXPECT_EQ(asked, 1);

        PictureFileTypes eager;
        eager.registerBuiltIns(playable, nullptr);
        EXPECT_EQ(types.pictureExtensions(), eager.pictureExtensions());
        EXPECT_EQ(types.readableFormatNames(), eager.readableFormatNames());
    }

    // A plug-in registered meanwhile comes after the media formats, as it would.
    PictureFileTypes types;
    types.registerBuiltInsDeferringMedia([] { return true; }, nullptr);
    types.registerFormat(pluginFormat(QStringLiteral("JP2"), QStringLiteral(".jp2;.avi"), 0x0001), true, nullptr);
    EXPECT_EQ(types.readableFormatNames(), QStringLiteral("Jpeg, AVI, MP3 or JP2"));
    EXPECT_FALSE(types.typeOf(u"/p/e.avi")->external);
}

struct NameCase {
    const char* path;
    bool picture;   // without video
    bool withVideo;
    bool writable;
};

class PictureFileName : public testing::TestWithParam<NameCase> {};

TEST_P(PictureFileName, IsJudgedByTheTailOfTheName)
{
    const NameCase& c = GetParam();
    PictureFileTypes plain;
    plain.registerBuiltIns(false, nullptr);
    PictureFileTypes video;
    video.registerBuiltIns(true, nullptr);
    const QString path = QString::fromUtf8(c.path);
    EXPECT_EQ(plain.isPictureFile(path), c.picture);
    EXPECT_EQ(video.isPictureFile(path), c.withVideo);
    EXPECT_EQ(plain.isWritableFormat(path), c.writable);
}

INSTANTIATE_TEST_SUITE_P(Names, PictureFileName, testing::Values(
    NameCase{"/p/a.JPG", true, true, true}, NameCase{"/p/b.Jpeg", true, true, true},
    NameCase{"/p/x.jpe", true, true, true}, NameCase{"/p/c.thm", true, true, false},
    NameCase{"/p/d.bmp", false, false, true}, NameCase{"/p/e.avi", false, true, false},
    NameCase{"/p/song.MP3", false, true, false}, NameCase{"/p/photo.jpg.txt", false, false, false},
    NameCase{"/p/photojpg", false, false, false}, NameCase{"", false, false, false}));

TEST(PictureFileTypes, FirstRegistrationWinsAndSettingsReachTheFormatOnce)
{
    vistello::test::TempDir dir;
    SettingsStore settings{dir.path()};
    settings.setString(QStringLiteral("JP2_property"), QStringLiteral("quality=7"));
    settings.setString(QStringLiteral("PictureListExtension"), QStringLiteral(".txt"));
    PictureFileTypes types;
    types.registerBuiltIns(false, &settings);
    EXPECT_EQ(types.listExtension(), QStringLiteral(".txt"));

    QStringList received;
    FormatDescriptor plugin = pluginFormat(QStringLiteral("JP2"), QStringLiteral(".JPG;.jp2;j2k"), 0x0003);
    plugin.setProperties = [&](const QString& value) { received.append(value); };
    types.registerFormat(plugin, true, &settings);
    types.registerFormat(plugin, true, &settings); // all taken: not entered again
    types.registerFormat(pluginFormat(QStringLiteral("Thumb"), QStringLiteral(".thm"), 0x0003), true, nullptr);
    types.registerFormat(pluginFormat(QStringLiteral("None"), QStringLiteral(".non;;."), 0x0004), true, nullptr);

    EXPECT_EQ(received, QStringList({"quality=7"}));
    EXPECT_EQ(types.typeOf(u"/p/a.jpg")->formatName, QStringLiteral("Jpeg"));
    EXPECT_TRUE(types.typeOf(u"/p/a.JP2")->external);
    EXPECT_FALSE(types.isWritableFormat(u"/p/c.thm")); // the writable second ".thm" was ignored
    EXPECT_EQ(types.fileTypes().size(), 7u);           // + .jp2 and .j2k (given without its dot)
    EXPECT_FALSE(types.isPictureFile(u"/p/notj2k"));
    EXPECT_EQ(types.formats().size(), 4u);
    EXPECT_EQ(types.writeFilter(), kBuiltInFilter + QStringLiteral("JP2 (*.JPG;*.jp2;*.j2k)|*.JPG;*.jp2;*.j2k|"));
    EXPECT_EQ(types.readableFormatNames(), QStringLiteral("Jpeg or JP2"));
}

TEST(PictureFileTypes, PictureListFilesFollowTheRunsListExtension)
{
    PictureFileTypes types;
    EXPECT_TRUE(types.isPictureListFile(u"/p/ARCHIVE.CSV"));
    EXPECT_FALSE(types.isPictureListFile(u"csv"));
    EXPECT_FALSE(types.isPictureListFile(u"/p/archive.csv.jpg"));
    types.setListExtension(QString());
    EXPECT_FALSE(types.isPictureListFile(u"/p/list.csv"));
}
