#include "app/window/options/OptionsRules.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

const QDate kSeasonalDay(2024, 10, 31);

SettingsStore freshStore()
{
    return SettingsStore(QStringLiteral("/nonexistent/"));
}

class AdvancedOptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        types.clear();
        types.registerBuiltIns(false, nullptr);
    }
    void TearDown() override { types.clear(); }
    PictureFileTypes& types = PictureFileTypes::instance();
};

TEST(GeneralOptions, autoShowDelayKeptToOneSecondUpToOneDay)
{
    struct Row {
        int field;
        int stored;
    };
    for (const Row row : {Row{0, 1}, Row{7, 7}, Row{86400, 86400}, Row{86401, 86400}, Row{2147483, 86400}}) {
        SettingsStore store = freshStore();
        GeneralOptions page = readGeneral(store, true);
        page.autoShowDelay = row.field;
        applyGeneral(page, page, store);
        EXPECT_EQ(store.get(setting::AutoShowDelay), row.stored) << row.field;
    }
}

TEST(GeneralOptions, applyAsksForWhatChanged)
{
    struct Row {
        const char* name;
        void (*change)(GeneralOptions&);
        bool refreshAll;
        bool stopSound;
        std::optional<bool> folderView;
    };
    const Row rows[] = {
        {"nothing", [](GeneralOptions&) {}, false, false, std::nullopt},
        {"orientation", [](GeneralOptions& o) { o.orientation = false; }, true, false, std::nullopt},
        {"audio off", [](GeneralOptions& o) { o.audio = false; }, true, true, std::nullopt},
        {"folder view", [](GeneralOptions& o) { o.folderView = false; }, false, false, false},
        {"transitions", [](GeneralOptions& o) { o.transitions = false; }, false, false, std::nullopt},
    };
    for (const Row& row : rows) {
        SettingsStore store = freshStore();
        const GeneralOptions remembered = readGeneral(store, true);
        GeneralOptions page = remembered;
        row.change(page);
        const OptionsEffects effects = applyGeneral(page, remembered, store);
        EXPECT_EQ(effects.refreshAll, row.refreshAll) << row.name;
        EXPECT_EQ(effects.stopSound, row.stopSound) << row.name;
        EXPECT_EQ(effects.folderView, row.folderView) << row.name;
    }
}

TEST(GeneralOptions, cancelPutsTheAtOnceValuesBackAndRefreshesNothing)
{
    SettingsStore store = freshStore();
    const GeneralOptions remembered = readGeneral(store, true);
    // The clicks of the page write at once.
    store.set(setting::Orientation, false);
    store.set(setting::Transitions, false);
    store.set(setting::CopyOriginal, false);
    store.set(setting::PanoramaAutoScroll, false);
    GeneralOptions shown = readGeneral(store, false);
    const OptionsEffects effects = restoreGeneral(shown, remembered, store);
    EXPECT_TRUE(store.get(setting::Orientation));
    EXPECT_TRUE(store.get(setting::Transitions));
    EXPECT_TRUE(store.get(setting::CopyOriginal));
    EXPECT_TRUE(store.get(setting::PanoramaAutoScroll));
    EXPECT_FALSE(effects.refreshAll);
    EXPECT_EQ(effects.folderView, true);
}

TEST_F(AdvancedOptionsTest, listExtensionStoredAndUsedNormalised)
{
    struct Row {
        const char* field;
        const char* stored;
        bool changed;
    };
    for (const Row row : {Row{"txt", ".txt", true}, Row{".txt", ".txt", true}, Row{"", ".csv", false},
                          Row{"x", ".csv", false}, Row{".csv", ".csv", false}}) {
        SettingsStore store = freshStore();
        AdvancedOptions page = readAdvanced(store);
        const QString opened = page.listExtension;
        page.listExtension = QString::fromLatin1(row.field);
        const OptionsEffects effects = applyAdvanced(page, opened, store, types);
        EXPECT_TRUE(effects.refusal.isEmpty()) << row.field;
        EXPECT_EQ(store.get(setting::PictureListExtension), QLatin1String(row.stored)) << row.field;
        EXPECT_EQ(types.listExtension(), QLatin1String(row.stored)) << row.field;
        EXPECT_EQ(effects.extensionChanged, row.changed) << row.field;
    }
    EXPECT_TRUE(types.isPictureListFile(u"/p/list.csv"));
}

TEST_F(AdvancedOptionsTest, pictureExtensionRefusedAndOldValueKept)
{
    for (const char* field : {".jpg", "jpg", ".JPEG", ".bmp", ".original", "original"}) {
        SettingsStore store = freshStore();
        store.set(setting::PictureListExtension, QStringLiteral(".lst"));
        types.setListExtension(QStringLiteral(".lst"));
        AdvancedOptions page = readAdvanced(store);
        page.listExtension = QString::fromLatin1(field);
        page.pictureCache = 9;
        const OptionsEffects effects = applyAdvanced(page, QStringLiteral(".lst"), store, types);
        EXPECT_FALSE(effects.refusal.isEmpty()) << field;
        EXPECT_EQ(store.get(setting::PictureListExtension), QLatin1String(".lst")) << field;
        EXPECT_EQ(types.listExtension(), QLatin1String(".lst")) << field;
        EXPECT_EQ(store.get(setting::PictureCacheSize), 4) << field;
    }
}

TEST_F(AdvancedOptionsTest, cacheSizesStoredValidated)
{
    struct Row {
        int preview, picture, storedPreview, storedPicture;
    };
    for (const Row row : {Row{0, 0, 25, 4}, Row{10000, 1000, 10000, 1000}, Row{10001, 1001, 25, 4}, Row{3, 7, 3, 7}}) {
        SettingsStore store = freshStore();
        AdvancedOptions page = readAdvanced(store);
        page.previewCache = row.preview;
        page.pictureCache = row.picture;
        applyAdvanced(page, page.listExtension, store, types);
        EXPECT_EQ(store.get(setting::PreviewCacheSize), row.storedPreview);
        EXPECT_EQ(store.get(setting::PictureCacheSize), row.storedPicture);
    }
}

TEST(ColourOptions, textEqualToBackgroundBecomesItsInverse)
{
    struct Row {
        ColourRow row;
        int colour;
        int text, background;
    };
    // Start: text black, background white.
    const Row rows[] = {
        {ColourRow::Background, 0x000000, 0xFFFFFF, 0x000000},
        {ColourRow::Text, 0xFFFFFF, 0x000000, 0xFFFFFF},
        {ColourRow::Background, 0x123456, 0x000000, 0x123456},
        {ColourRow::FullScreen, 0x000000, 0x000000, 0xFFFFFF},
    };
    for (const Row& row : rows) {
        SettingsStore store = freshStore();
        store.set(setting::TextColor, 0);
        store.set(setting::BackgroundColor, 0xFFFFFF);
        const ColourOptions after = chooseColour(readColours(store), row.row, row.colour, store);
        EXPECT_EQ(after.text, row.text);
        EXPECT_EQ(after.background, row.background);
        EXPECT_EQ(store.get(setting::TextColor), row.text);
        EXPECT_EQ(store.get(setting::BackgroundColor), row.background);
    }
}

TEST(ColourOptions, cancelRestoresBothColours)
{
    SettingsStore store = freshStore();
    store.set(setting::TextColor, 0);
    store.set(setting::BackgroundColor, 0xFFFFFF);
    const ColourOptions remembered = readColours(store);
    chooseColour(remembered, ColourRow::Background, 0, store);
    restoreColours(remembered, store);
    EXPECT_EQ(store.get(setting::TextColor), 0);
    EXPECT_EQ(store.get(setting::BackgroundColor), 0xFFFFFF);
}

TEST(ColourOptions, cancelOnTheSeasonalDayKeepsTheUsersOwnColour)
{
    SettingsStore store = freshStore();
    store.loadFromText(QStringLiteral("<Settings><c Attr=\"BackgroundColor\" Type=\"int\">255</c></Settings>"),
                       kSeasonalDay);
    const ColourOptions remembered = readColours(store);
    chooseColour(remembered, ColourRow::Background, 0x00FF00, store);
    restoreColours(remembered, store);
    EXPECT_TRUE(store.serialize().contains("<c Attr=\"BackgroundColor\" Type=\"int\">255</c>"))
        << store.serialize().toStdString();
}

TEST(ColourOptions, chosenOnTheSeasonalDaySurvivesTheSave)
{
    SettingsStore store = freshStore();
    store.loadFromText(QStringLiteral("<Settings><c Attr=\"BackgroundColor\" Type=\"int\">255</c></Settings>"),
                       kSeasonalDay);
    chooseColour(readColours(store), ColourRow::Background, 0x00FF00, store);
    EXPECT_TRUE(store.serialize().contains("<c Attr=\"BackgroundColor\" Type=\"int\">65280</c>"))
        << store.serialize().toStdString();
}

} // namespace
} // namespace vistello
