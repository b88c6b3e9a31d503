// The plug-in loader against builds of the sample plug-in that it must
// refuse, bound or keep: each case copies one library into a fresh folder,
// loads that folder and checks the table, the messages and which of the
// library's code ran (its constructor and factory leave marker files).
#include "app/window/taskpane/FormatOptions.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/FormatHandler.h"
#include "imaging/plugins/PluginLoader.h"
#include "resources/MediaStrings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace vistello {
namespace {

enum class Place { Trusted, GroupWritableFolder, ForeignOwner, LinkIntoGroupWritable };

struct RefusalCase {
    const char* name;     // the build: vpl_test_<name>.so
    Place place;
    bool accepted;
    int messageId;        // 0: a trust refusal text, -1: no message
    bool constructorRuns;
    bool factoryRuns;
};

// Which build, where, and what the loader must make of it.
constexpr RefusalCase kCases[] = {
    {"good", Place::Trusted, true, -1, true, true},
    {"type2", Place::Trusted, false, -1, true, false},
    {"v21", Place::Trusted, false, strings::kPluginWrongVersion, true, false},
    {"noexports", Place::Trusted, false, strings::kPluginExportsMissing, true, false},
    {"good", Place::GroupWritableFolder, false, 0, false, false},
    {"good", Place::ForeignOwner, false, 0, false, false},
    {"good", Place::LinkIntoGroupWritable, false, 0, false, false},
};

QString testPlugin(const char* name)
{
    return QStringLiteral(VISTELLO_TEST_PLUGIN_DIR "/vpl_test_%1.so").arg(QLatin1String(name));
}

class PluginRefusal : public ::testing::TestWithParam<RefusalCase> {
protected:
    void SetUp() override
    {
        PictureFileTypes::instance().clear();
        registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
        ASSERT_TRUE(QDir().mkpath(markers_.path()));
        qputenv("VISTELLO_TEST_MARKER_DIR", QFile::encodeName(markers_.path()));
    }
    void TearDown() override
    {
        qunsetenv("VISTELLO_TEST_MARKER_DIR");
        PictureFileTypes::instance().removeExternalFormats();
        PictureFileTypes::instance().clear();
    }
    bool marked(const QString& what, const char* name) const
    {
        return QFileInfo::exists(markers_.file(what + QLatin1Char('-') + QLatin1String(name)));
    }

    test::TempDir folder_;
    test::TempDir markers_;
};

TEST_P(PluginRefusal, LoadsOnlyWhatItTrustsAndChecksVersionBeforeAnyFactory)
{
    const RefusalCase& c = GetParam();
    if (c.place == Place::ForeignOwner && ::getuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs root (as CI runs)";
    const QString source = testPlugin(c.name);
    ASSERT_TRUE(QFileInfo::exists(source)) << source.toStdString();
    QString folder = folder_.path() + QStringLiteral("plugins");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString library = folder + QStringLiteral("/vpl_case.so");
    if (c.place == Place::LinkIntoGroupWritable) {
        const QString elsewhere = folder_.path() + QStringLiteral("open");
        ASSERT_TRUE(QDir().mkpath(elsewhere));
        ASSERT_TRUE(QFile::copy(source, elsewhere + QStringLiteral("/vpl_real.so")));
        ASSERT_EQ(::chmod(QFile::encodeName(elsewhere).constData(), 0775), 0);
        ASSERT_TRUE(QFile::link(elsewhere + QStringLiteral("/vpl_real.so"), library));
    } else {
        ASSERT_TRUE(QFile::copy(source, library));
    }
    if (c.place == Place::GroupWritableFolder)
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0775), 0);
    if (c.place == Place::ForeignOwner)
        ASSERT_EQ(::chown(QFile::encodeName(library).constData(), 65534, 65534), 0) << "needs root (as CI runs)";

    QStringList messages;
    PictureFileTypes& types = PictureFileTypes::instance();
    const int accepted = loadPlugins(types, {folder}, nullptr, [&](const QString& m) { messages << m; });

    EXPECT_EQ(accepted, c.accepted ? 1 : 0);
    const PictureFileType* type = types.typeOf(u"x.vpm");
    EXPECT_EQ(type != nullptr, c.accepted);
    if (type)
        EXPECT_TRUE(type->external);
    EXPECT_EQ(marked(QStringLiteral("constructor"), c.name), c.constructorRuns);
    EXPECT_EQ(marked(QStringLiteral("factory"), c.name), c.factoryRuns);
    if (c.messageId < 0) {
        EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    } else {
        ASSERT_EQ(messages.size(), 1);
        if (c.messageId == strings::kPluginWrongVersion)
            EXPECT_EQ(messages[0], QStringLiteral("The plug-in \"vpl_case.so\" is not version \"2.2\"\nand cannot be loaded."));
        else if (c.messageId == strings::kPluginExportsMissing)
            EXPECT_EQ(messages[0], QStringLiteral("The plug-in \"vpl_case.so\" could not be loaded,\nbecause one or more "
                                                  "module functions are not available."));
        else
            EXPECT_TRUE(messages[0].startsWith(QStringLiteral("The plug-in \"vpl_case.so\" is not loaded: ")));
    }
}

INSTANTIATE_TEST_SUITE_P(Loader, PluginRefusal, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RefusalCase>& info) {
                             return std::string(info.param.name) + "_" + std::to_string(int(info.param.place));
                         });

class PluginFormats : public ::testing::Test {
protected:
    void SetUp() override
    {
        PictureFileTypes::instance().clear();
        registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    }
    void TearDown() override
    {
        PictureFileTypes::instance().removeExternalFormats();
        PictureFileTypes::instance().clear();
    }
    int load(const char* name)
    {
        const QString folder = folder_.path() + QLatin1String(name);
        QDir().mkpath(folder);
        QFile::copy(testPlugin(name), folder + QStringLiteral("/vpl_") + QLatin1String(name) + QStringLiteral(".so"));
        return loadPlugins(PictureFileTypes::instance(), {folder}, nullptr, [](const QString&) {});
    }
    test::TempDir folder_;
};

TEST_F(PluginFormats, APluginOfferingJpgAddsOnlyItsOtherExtension)
{
    ASSERT_EQ(load("jpgraw"), 1);
    const PictureFileType* raw = PictureFileTypes::instance().typeOf(u"a.RAW");
    ASSERT_NE(raw, nullptr);
    EXPECT_TRUE(raw->external);
    const PictureFileType* jpg = PictureFileTypes::instance().typeOf(u"a.jpg");
    ASSERT_NE(jpg, nullptr);
    EXPECT_FALSE(jpg->external);
}

// Libraries are loaded through /proc/self/fd/N; a later plug-in given the
// same descriptor number must not be taken for the one loaded before.
TEST_F(PluginFormats, EveryPluginOfAFolderIsItsOwnLibrary)
{
    const QString folder = folder_.path() + QStringLiteral("both");
    QDir().mkpath(folder);
    QFile::copy(testPlugin("good"), folder + QStringLiteral("/vpl_a.so"));
    QFile::copy(testPlugin("jpgraw"), folder + QStringLiteral("/vpl_b.so"));
    EXPECT_EQ(loadPlugins(PictureFileTypes::instance(), {folder}, nullptr, [](const QString&) {}), 2);
    EXPECT_NE(PictureFileTypes::instance().typeOf(u"a.vpm"), nullptr);
    EXPECT_NE(PictureFileTypes::instance().typeOf(u"a.raw"), nullptr);
}

// Every handler of a plug-in format starts with the format's saved settings
// string ("<formatName>_property").
TEST_F(PluginFormats, HandlersGetTheSavedSettingsString)
{
    const QString folder = folder_.path() + QStringLiteral("saved");
    QDir().mkpath(folder);
    QFile::copy(testPlugin("good"), folder + QStringLiteral("/vpl_good.so"));
    SettingsStore store(QStringLiteral("/nonexistent-folder"));
    store.setString(QStringLiteral("VPM_property"), QStringLiteral("fine,42"));
    ASSERT_EQ(loadPlugins(PictureFileTypes::instance(), {folder}, &store, [](const QString&) {}), 1);
    const PictureFileType* type = PictureFileTypes::instance().typeOf(u"a.vpm");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->factory()->properties(), QStringLiteral("fine,42"));
    EXPECT_EQ(type->factory()->properties(), QStringLiteral("fine,42"));
}

// "Format settings..." on a plug-in format: its dialog's choice is stored
// under "<formatName>_property" and reaches the format's next handlers;
// a dialog that reports no change stores nothing.
TEST_F(PluginFormats, SettingsChosenInThePluginsDialogAreStoredAndUsed)
{
    SettingsStore store(QStringLiteral("/nonexistent-folder"));
    store.setString(QStringLiteral("VPM_property"), QStringLiteral("old"));
    ASSERT_EQ(load("dialog"), 1);
    const PictureFileType* type = PictureFileTypes::instance().typeOf(u"a.vpm");
    ASSERT_NE(type, nullptr);
    ASSERT_TRUE(formatHasSettingsDialog(PictureFileTypes::instance(), type->formatName));
    ASSERT_TRUE(editPluginFormatSettings(store, PictureFileTypes::instance(), type->formatName));
    EXPECT_EQ(store.getString(QStringLiteral("VPM_property")), QStringLiteral("chosen,7"));
    EXPECT_EQ(type->factory()->properties(), QStringLiteral("chosen,7"));
}

TEST_F(PluginFormats, ADialogWithoutChangeStoresNothing)
{
    SettingsStore store(QStringLiteral("/nonexistent-folder"));
    store.setString(QStringLiteral("VPM_property"), QStringLiteral("old"));
    ASSERT_EQ(load("good"), 1);
    const PictureFileType* type = PictureFileTypes::instance().typeOf(u"a.vpm");
    ASSERT_NE(type, nullptr);
    EXPECT_FALSE(editPluginFormatSettings(store, PictureFileTypes::instance(), type->formatName));
    EXPECT_EQ(store.getString(QStringLiteral("VPM_property")), QStringLiteral("old"));
}

// A plug-in that claims one byte more than it hands over and a description
// without its zero: nothing is read beyond either (the sanitizer build
// would stop at the first byte), the picture simply fails.
TEST_F(PluginFormats, ShortBuffersAndUnterminatedTextsAreRefusedNotOverRead)
{
    ASSERT_EQ(load("overread"), 1);
    const PictureFileType* type = PictureFileTypes::instance().typeOf(u"a.ovr");
    ASSERT_NE(type, nullptr);
    EXPECT_TRUE(type->description.isEmpty());
    const QString ppm = folder_.write(QStringLiteral("p.ovr"), QByteArray("P6\n2 1\n255\n") + QByteArray(6, '\x7f'));
    std::unique_ptr<FormatHandler> handler = type->factory();
    ASSERT_TRUE(handler);
    EXPECT_TRUE(handler->decodeFile(ppm, 0, 0, 1, 1, false).empty());
}

// The end of the run removes the formats but keeps the library mapped: a
// handler made before (say, on a loader thread still busy) keeps working.
TEST_F(PluginFormats, UnloadingRemovesTheFormatsAndKeepsTheirCode)
{
    ASSERT_EQ(load("good"), 1);
    const PictureFileType* type = PictureFileTypes::instance().typeOf(u"a.vpm");
    ASSERT_NE(type, nullptr);
    std::unique_ptr<FormatHandler> handler = type->factory();
    ASSERT_TRUE(handler);

    unloadPlugins(PictureFileTypes::instance(), nullptr);

    EXPECT_EQ(PictureFileTypes::instance().typeOf(u"a.vpm"), nullptr);
    EXPECT_FALSE(PictureFileTypes::instance().isPictureFile(u"a.vpm"));
    const QString ppm = folder_.write(QStringLiteral("p.vpm"), QByteArray("P6\n2 1\n255\n") + QByteArray(6, '\x40'));
    const PixelBuffer pixels = handler->decodeFile(ppm, 0, 0, 1, 1, false);
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(pixels.width, 2);
    EXPECT_EQ(pixels.data[5], 0x40);
}

TEST(PluginFolders, NoPluginsTurnsThemOff)
{
    qputenv("VISTELLO_NO_PLUGINS", "1");
    EXPECT_TRUE(pluginFolders().isEmpty());
    qunsetenv("VISTELLO_NO_PLUGINS");
}

} // namespace
} // namespace vistello
