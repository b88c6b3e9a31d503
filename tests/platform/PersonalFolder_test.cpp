#include "platform/DriveKind.h"
#include "platform/FolderPath.h"
#include "platform/FolderWritable.h"
#include "platform/PersonalFolder.h"
#include "platform/ProgramLocation.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

using namespace vistello;
using vistello::test::TempDir;

namespace {

TEST(FolderWritable, probesWithAUniqueFileAndLeavesNothingBehind)
{
    TempDir dir;
    // A user's file with the name the probe once used must stay untouched.
    const QString userFile = dir.write(QStringLiteral("_w_tmp.tmp"), QByteArray("mine"));
    EXPECT_TRUE(isFolderWritable(dir.path()));
    EXPECT_TRUE(isFolderWritable(dir.path().chopped(1))); // without the trailing "/"
    EXPECT_EQ(vistello::test::readAll(userFile), QByteArray("mine"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("_w_tmp.tmp")});

    EXPECT_FALSE(isFolderWritable(dir.file(QStringLiteral("missing"))));
    EXPECT_FALSE(isFolderWritable(QString()));
}

TEST(ProgramLocation, isTheRunningExecutable)
{
    const QString path = executablePath();
    ASSERT_FALSE(path.isEmpty());
    EXPECT_TRUE(QFileInfo(path).isExecutable());
    EXPECT_EQ(executableFolder(), withTrailingSlash(QFileInfo(path).absolutePath()));
}

TEST(DriveKind, aScratchFolderIsNoCdRom)
{
    TempDir dir;
    const DriveKind kind = driveKindOf(dir.path());
    EXPECT_NE(kind, DriveKind::CdRom);
    EXPECT_NE(kind, DriveKind::Unknown);
}

// Points the documents folder into a scratch home through the XDG settings.
class PersonalFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        savedHome_ = qgetenv("HOME");
        savedConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home_.path().chopped(1).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home_.file(QStringLiteral("config")).toLocal8Bit());
        home_.write(QStringLiteral("config/user-dirs.dirs"), QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n"));
    }
    void TearDown() override
    {
        qputenv("HOME", savedHome_);
        if (savedConfig_.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", savedConfig_);
    }

    TempDir home_;
    QByteArray savedHome_;
    QByteArray savedConfig_;
};

TEST_F(PersonalFolderTest, isTheDocumentsFolderElseHome)
{
    EXPECT_EQ(userDocumentsFolder(), home_.path()); // Docs does not exist yet
    ASSERT_TRUE(QDir().mkpath(home_.file(QStringLiteral("Docs"))));
    EXPECT_EQ(userDocumentsFolder(), home_.file(QStringLiteral("Docs/")));
    EXPECT_EQ(defaultPersonalFolder(QStringLiteral("/opt/prog/"), false), home_.file(QStringLiteral("Docs/")));
}

TEST_F(PersonalFolderTest, isTheProgramFolderOnACdRom)
{
    EXPECT_EQ(defaultPersonalFolder(QStringLiteral("/media/cdrom/prog"), true), QStringLiteral("/media/cdrom/prog/"));
}

} // namespace
