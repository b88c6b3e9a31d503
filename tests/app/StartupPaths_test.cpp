#include "app/startup/CommandLine.h"
#include "app/startup/FirstPictureList.h"
#include "app/startup/OptionProcessor.h"
#include "app/startup/PathArguments.h"
#include "app/startup/StartupDecisions.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "core/settings/SettingsStore.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vistello;
using vistello::test::TempDir;

namespace {

FirstPictureList chooseFirst(const StartupOptions& options, SettingsStore& store, const QString& picturesFolder)
{
    PictureLists lists;
    return chooseFirstPictureList(lists, options, store, picturesFolder);
}

// Runs a whole command line as start-up does: options, path arguments,
// the start folder's precedence.
class StartupPaths : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        PictureFileTypes::instance().clear();
        PictureFileTypes::instance().registerBuiltIns(false, nullptr);
    }
    void TearDown() override { PictureFileTypes::instance().clear(); }

    QString picture(const QString& name) { return dir.write(name, QByteArray("\xFF\xD8\xFF\xD9", 4)); }

    StartupOptions run(const QStringList& arguments)
    {
        const QStringList& parameters = arguments;
        SettingsStore store(dir.path());
        StartupOptions options;
        options.includeSubfolders = includesSubfolders(parameters);
        PathArgumentCollector paths(options);
        OptionProcessor(parameters, store, options, [&](const QString& p) { paths.add(p); }).run();
        applyStartFolderPrecedence(options);
        return options;
    }

    TempDir dir;
};

TEST_F(StartupPaths, PicturesKeepCommandLineOrder)
{
    const QString b = picture(QStringLiteral("b.jpg"));
    const QString a = picture(QStringLiteral("a.jpg"));
    const StartupOptions options = run({b, a});
    EXPECT_EQ(options.commandLinePictures, (QStringList{b, a}));
    EXPECT_TRUE(options.pathsGiven);
    EXPECT_FALSE(endsWithoutWindow(options));
}

// "x" once took the next word as a settings file: a word without a dash is a path.
TEST_F(StartupPaths, FoldersNamedLikeOptionsAreFolders)
{
    const QString inX = picture(QStringLiteral("x/b.jpg"));
    const QString inH = picture(QStringLiteral("h/a.jpg"));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const StartupOptions options = run({QStringLiteral("x"), QStringLiteral("h")});
    QDir::setCurrent(previous);
    EXPECT_EQ(options.commandLinePictures, (QStringList{inX, inH}));
}

TEST_F(StartupPaths, DuplicatesSkippedByExactPath)
{
    const QString lower = picture(QStringLiteral("set/a.jpg"));
    const QString upper = picture(QStringLiteral("set/A.JPG"));
    const QString other = picture(QStringLiteral("set/b.jpeg"));
    const QString folder = dir.file(QStringLiteral("set"));
    // The same picture named twice and again by its folder; A.JPG is another file.
    const StartupOptions options = run({lower, folder + QStringLiteral("/./a.jpg"), folder});
    ASSERT_EQ(options.commandLinePictures.size(), 3);
    EXPECT_EQ(options.commandLinePictures.first(), lower);
    EXPECT_EQ(options.commandLinePictures.count(lower), 1);
    EXPECT_TRUE(options.commandLinePictures.contains(upper));
    EXPECT_TRUE(options.commandLinePictures.contains(other));
}

TEST_F(StartupPaths, FolderPicturesSortedAndSubfoldersOnRequest)
{
    const QString c = picture(QStringLiteral("f/c.JPG"));
    const QString a = picture(QStringLiteral("f/A.jpg"));
    const QString b = picture(QStringLiteral("f/b.jpg"));
    dir.write(QStringLiteral("f/notes.txt"), "x");
    const QString deep = picture(QStringLiteral("f/sub/d.jpg"));
    const QString folder = dir.file(QStringLiteral("f"));

    EXPECT_EQ(run({folder}).commandLinePictures, (QStringList{a, b, c}));
    const QStringList withSub = run({folder, QStringLiteral("-i")}).commandLinePictures;
    EXPECT_EQ(withSub.size(), 4);
    EXPECT_TRUE(withSub.contains(deep));
}

TEST_F(StartupPaths, WhatEndsWithoutAWindow)
{
    QDir().mkpath(dir.file(QStringLiteral("empty")));
    const QString text = dir.write(QStringLiteral("readme.txt"), "x");

    // A folder without pictures as the only path: nothing to show.
    EXPECT_TRUE(endsWithoutWindow(run({dir.file(QStringLiteral("empty"))})));
    // An existing file that is no picture counts as a path given.
    EXPECT_TRUE(endsWithoutWindow(run({text})));
    // A path that names nothing is ignored silently: the window opens.
    const StartupOptions missing = run({dir.file(QStringLiteral("missing.jpg"))});
    EXPECT_FALSE(missing.pathsGiven);
    EXPECT_FALSE(endsWithoutWindow(missing));
}

TEST_F(StartupPaths, StartFolderTakesPrecedenceAndStillOpens)
{
    const QString a = picture(QStringLiteral("a.jpg"));
    QDir().mkpath(dir.file(QStringLiteral("start")));
    const StartupOptions options = run({a, QStringLiteral("-p"), dir.file(QStringLiteral("start"))});
    EXPECT_TRUE(options.commandLinePictures.isEmpty());
    EXPECT_EQ(options.startFolder, dir.file(QStringLiteral("start")));
    EXPECT_TRUE(options.pathsGiven);
    EXPECT_FALSE(endsWithoutWindow(options));
}

TEST_F(StartupPaths, InvalidColourComponentBecomesAPicture)
{
    const QString a = picture(QStringLiteral("a.jpg"));
    EXPECT_EQ(run({QStringLiteral("-c"), QStringLiteral("1"), a}).commandLinePictures, QStringList{a});
}

TEST_F(StartupPaths, OnePictureOpensItsFolderWithItCurrent)
{
    picture(QStringLiteral("f/a.jpg"));
    const QString b = picture(QStringLiteral("f/b.jpg"));
    picture(QStringLiteral("f/c.jpg"));
    SettingsStore store(dir.path());
    StartupOptions options;
    options.commandLinePictures = {b};
    const FirstPictureList list = chooseFirst(options, store, {});
    EXPECT_EQ(list.kind, FirstPictureList::Kind::Folder);
    EXPECT_EQ(list.folder, dir.file(QStringLiteral("f/")));
    ASSERT_EQ(list.pictures.size(), 3);
    EXPECT_EQ(list.pictures.at(list.current), b);
    EXPECT_EQ(listCaption(list), QStringLiteral("3 picture(s) in \"%1\"").arg(list.folder));
}

TEST_F(StartupPaths, SeveralPicturesAreTheList)
{
    SettingsStore store(dir.path());
    StartupOptions options;
    options.commandLinePictures = {QStringLiteral("/x/b.jpg"), QStringLiteral("/x/a.jpg")};
    const FirstPictureList list = chooseFirst(options, store, {});
    EXPECT_EQ(list.kind, FirstPictureList::Kind::CommandLine);
    EXPECT_EQ(list.pictures, options.commandLinePictures);
    EXPECT_EQ(list.current, 0);
    EXPECT_EQ(listCaption(list), QStringLiteral("2 picture(s) from command line"));
}

TEST_F(StartupPaths, WithoutPicturesStartFolderThenLastUsedFolder)
{
    const QString deep = picture(QStringLiteral("start/sub/a.jpg"));
    picture(QStringLiteral("last/a.jpg"));
    const QString lastB = picture(QStringLiteral("last/b.jpg"));
    const QString fallback = picture(QStringLiteral("pictures/p.jpg"));
    SettingsStore store(dir.path());

    StartupOptions options;
    options.startFolder = dir.file(QStringLiteral("start"));
    options.includeSubfolders = true;
    EXPECT_EQ(chooseFirst(options, store, {}).pictures, QStringList{deep});

    options = {};
    store.setString(QStringLiteral("LastUsedFolder"), dir.file(QStringLiteral("last/")));
    store.setInt(QStringLiteral("LastPictureIndex"), 1);
    FirstPictureList list = chooseFirst(options, store, dir.file(QStringLiteral("pictures")));
    EXPECT_EQ(list.pictures.at(list.current), lastB);

    store.setInt(QStringLiteral("LastPictureIndex"), 7); // beyond the list: the first picture
    EXPECT_EQ(chooseFirst(options, store, {}).current, 0);

    store.setString(QStringLiteral("LastUsedFolder"), dir.file(QStringLiteral("gone/")));
    list = chooseFirst(options, store, dir.file(QStringLiteral("pictures")));
    EXPECT_EQ(list.pictures, QStringList{fallback});
}

} // namespace

namespace {

TEST_F(StartupPaths, PictureListFileArgumentContributesItsPictures)
{
    const QString a = picture(QStringLiteral("l/a.jpg"));
    const QString b = picture(QStringLiteral("l/b.jpg"));
    const QString list = dir.write(QStringLiteral("l/mine.csv"), QByteArray("b.jpg,second\r\na.jpg\r\n"));
    const StartupOptions options = run({list});
    EXPECT_TRUE(options.pathsGiven);
    EXPECT_EQ(options.commandLinePictures, (QStringList{b, a}));
}

} // namespace
