// What the gallery and index pages do with their fields: the target-folder
// balloon (checked against the file system), and the fields as the store
// keeps them, shown again after storing.
#include "app/window/taskpane/PublishPageRules.h"
#include "core/settings/ResizeSettings.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StringNormalization.h"
#include "publish/gallery/GalleryTemplates.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;

// The template fields register the standard templates with the store's
// rules; later tests expect none registered.
struct TemplatesRegistered {
    ~TemplatesRegistered() { setBuiltInTextProvider(nullptr); }
};

TEST(PublishPageRules, TargetFolderBalloons)
{
    TempDir dir;
    const QString file = dir.write("a file", "x");
    struct Case {
        QString field;
        const char* title; // empty: no balloon
    } const cases[] = {
        {"", "Target folder"},
        {"   ", "Target folder"},
        {"relative/folder", "Invalid target folder"},
        {dir.file("missing/"), "Invalid target folder"},
        {file, "Invalid target folder"},
        {dir.path(), ""},
        {dir.file("."), ""},
        {dir.path().chopped(1), ""},
    };
    for (const Case& c : cases) {
        const std::optional<FieldBalloon> balloon = targetFolderBalloon(c.field);
        EXPECT_EQ(balloon ? balloon->title : QString(), QString::fromUtf8(c.title)) << c.field.toStdString();
    }
    EXPECT_EQ(targetFolderBalloon("")->text, "Specify a target folder.\n(e.g. by using the folder view on the left side)");
    EXPECT_EQ(targetFolderBalloon(file)->text,
              "The file creation failed in this folder .\nEnsure that this folder does exist and has write permission.");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"a file"})
        << "the check leaves no file behind";
}

TEST(PublishPageRules, GalleryFieldsAsTheStoreKeepsThem)
{
    TempDir dir;
    struct Case {
        GalleryPageFields typed;
        GalleryPageFields shown;
    } const cases[] = {
        {{"/w/out", "start", "3", "0", "A & B"}, {"/w/out/", "start.html", "3", "0", "A & B"}},
        {{"/w/out/", "", "0", "x", ""}, {"/w/out/", "index.html", "4", "4", ""}},
        {{" /w/o ", "my.htm", "10001", "-1", "t"}, {"/w/o/", "my.htm", "4", "4", "t"}},
        {{"", "a.b", " 7 ", "10000", "t"}, {"", "a.b", "7", "10000", "t"}},
    };
    for (const Case& c : cases) {
        SettingsStore store(dir.path());
        const GalleryPageFields shown = storeGalleryPageFields(store, c.typed);
        const std::string at = c.typed.targetFolder.toStdString() + " " + c.typed.perRow.toStdString();
        EXPECT_EQ(shown.targetFolder, c.shown.targetFolder) << at;
        EXPECT_EQ(shown.fileName, c.shown.fileName) << at;
        EXPECT_EQ(shown.perRow, c.shown.perRow) << at;
        EXPECT_EQ(shown.rowsPerPage, c.shown.rowsPerPage) << at;
        EXPECT_EQ(shown.headline, c.shown.headline) << at;
        // What the job reads is what the page shows.
        EXPECT_EQ(store.getString("HTMLTargetFolder"), c.shown.targetFolder) << at;
        EXPECT_EQ(store.getInt("HTMLPicturesPerRow", -1), c.shown.perRow.toInt()) << at;
    }
}

TEST(PublishPageRules, PictureSettingsAndTemplates)
{
    const TemplatesRegistered registered;
    TempDir dir;
    SettingsStore store(dir.path());
    GalleryPictureFields typed = galleryPictureFields(store);
    EXPECT_EQ(typed.thumbWidth, "120");
    typed.thumbWidth = "0";
    typed.thumbHeight = "64";
    typed.linkToOriginal = false;
    const GalleryPictureFields shown = storeGalleryPictureFields(store, typed);
    EXPECT_EQ(shown.thumbWidth, "120");
    EXPECT_EQ(shown.thumbHeight, "64");
    EXPECT_FALSE(store.getBool("LinkToOriginal", true));

    GalleryTemplateFields templates = galleryTemplateFields(store);
    EXPECT_EQ(templates.indexTemplate, builtInIndexTemplate());
    // The standard text is not copied into the settings; an emptied field
    // shows the standard again.
    storeGalleryTemplateFields(store, templates);
    templates.pictureTemplate = "";
    templates.indexTemplate = "<p>%3%4</p>";
    const GalleryTemplateFields again = storeGalleryTemplateFields(store, templates);
    EXPECT_EQ(again.pictureTemplate, builtInPictureTemplate());
    EXPECT_EQ(again.indexTemplate, "<p>%3%4</p>");
}

TEST(PublishPageRules, IndexFieldsAsTheStoreKeepsThem)
{
    TempDir dir;
    SettingsStore store(dir.path());
    IndexPageFields typed = indexPageFields(store);
    EXPECT_EQ(typed.columns, "7");
    EXPECT_EQ(typed.cellHeight, "80");
    EXPECT_EQ(typed.fileName, "index%d.jpg");
    EXPECT_EQ(typed.background, 0xFFFFFF);
    typed = {"/w/sheets", "0", "2", "-3", "50", "-1", "9", "sheet", 0x0000FF, true};
    const IndexPageFields shown = storeIndexPageFields(store, typed);
    EXPECT_EQ(shown.targetFolder, "/w/sheets/");
    EXPECT_EQ(shown.columns, "7");
    EXPECT_EQ(shown.rows, "2");
    EXPECT_EQ(shown.cellWidth, "120");
    EXPECT_EQ(shown.cellHeight, "50");
    EXPECT_EQ(shown.borderX, "5");
    EXPECT_EQ(shown.borderY, "9");
    EXPECT_EQ(shown.fileName, "index%d.jpg") << "no number placeholder";
    EXPECT_EQ(shown.background, 0x0000FF);
    EXPECT_TRUE(shown.film);
}

} // namespace
} // namespace vistello
