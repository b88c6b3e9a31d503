// Copying and moving dropped pictures with their backups, sound memos,
// marks and comments, and what survives when a step fails.
#include "app/SampleTools.h"
#include "organize/FileCommandsFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <utime.h>

namespace vistello::test {
namespace {

class Drop : public FileCommandsTest {
protected:
    // src: a.jpg with backup and sound memo, b.jpg; dst: an older a.jpg with
    // its own backup and sound memo. src/a.jpg is the first marked picture.
    void SetUp() override
    {
        for (const char* name : {"src/a.jpg", "src/a.jpg.original", "src/a.wav", "src/b.jpg", "dst/a.jpg",
                                 "dst/a.jpg.original", "dst/a.wav"})
            root.write(QString::fromLatin1(name), QByteArray("bytes of ") + name);
        showFolder({file("src/a.jpg"), file("src/b.jpg")}, 0, {file("src/a.jpg")});
        lists.markedPictures().entries().clear(false);
        lists.setMarked(file("src/a.jpg"), true);
        lists.setMarked(file("src/b.jpg"), true);
    }
    QString file(const char* name) const { return root.file(QString::fromLatin1(name)); }
    static QByteArray bytes(const char* name) { return QByteArray("bytes of ") + name; }
    QStringList dragged() const { return {file("src/a.jpg"), file("src/b.jpg")}; }
    void resetTree()
    {
        for (const QString& inTrash : std::as_const(files.trashed))
            QFile::remove(inTrash);
        for (const char* folder : {"src", "dst"})
            QDir(file(folder)).removeRecursively();
        files = FaultyFileOperations();
        commentsCopied.clear();
        commentsMoved.clear();
        view.events.clear();
        SetUp();
    }
};

QString statOf(const QStringList& args)
{
    return QString::fromUtf8(sampletools::runTool("stat", args).out.trimmed());
}

// A picture keeps its dates: a copy, and a move to another file system
// (which copies), used to date the new file now.
TEST_F(Drop, PicturesKeepTheirModificationTimeWhenCopiedOrMovedAcrossFileSystems)
{
    SKIP_WITHOUT_TOOL("stat");
    QTemporaryDir memory(QStringLiteral("/dev/shm/vistello-drop-XXXXXX"));
    QTemporaryDir build(QCoreApplication::applicationDirPath() + QStringLiteral("/drop-XXXXXX"));
    ASSERT_TRUE(memory.isValid() && build.isValid());
    ASSERT_NE(statOf({"-f", "-c", "%i %T", memory.path()}), statOf({"-f", "-c", "%i %T", build.path()}))
        << "no second file system";
    const utimbuf taken{1000000000, 1000000000};
    const auto picture = [&](const QString& folder, const char* name) {
        const QString path = folder + u'/' + QLatin1String(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(name) > 0);
        out.close();
        EXPECT_EQ(::utime(QFile::encodeName(path).constData(), &taken), 0);
        return path;
    };
    commands().copyDropped({picture(memory.path(), "copied.jpg")}, build.path());
    EXPECT_EQ(::utime(QFile::encodeName(file("src/b.jpg")).constData(), &taken), 0);
    commands().copyDropped({file("src/b.jpg")}, file("dst"));
    commands().moveDropped({picture(memory.path(), "moved.jpg")}, build.path());

    EXPECT_FALSE(QFileInfo::exists(memory.path() + QStringLiteral("/moved.jpg")));
    for (const QString& path : {build.filePath("copied.jpg"), build.filePath("moved.jpg"), file("dst/b.jpg")})
        EXPECT_EQ(statOf({"-c", "%Y", path}), "1000000000") << path.toStdString();
}

// "Same folder" was a text comparison: through a link the picture was copied
// onto itself.
TEST_F(Drop, TheSourceFolderThroughALinkIsNoTarget)
{
    ASSERT_TRUE(QFile::link(file("src"), file("link")));
    EXPECT_FALSE(commands().dropOffersMenu(dragged(), file("link")));
    EXPECT_TRUE(commands().dropOffersMenu(dragged(), file("dst")));
    commands().copyDropped(dragged(), file("link"));
    commands().moveDropped(dragged(), file("link"));
    EXPECT_EQ(readAll(file("src/a.jpg")), bytes("src/a.jpg"));
    EXPECT_TRUE(files.trashed.isEmpty());
}

TEST_F(Drop, CompanionsMarksAndCommentsFollowAndTheReplacedOnesGoToTheTrash)
{
    for (const bool move : {false, true}) {
        SCOPED_TRACE(move ? "move" : "copy");
        resetTree();
        if (move)
            commands().moveDropped(dragged(), file("dst"));
        else
            commands().copyDropped(dragged(), file("dst"));
        for (const char* name : {"a.jpg", "a.jpg.original", "a.wav", "b.jpg"}) {
            const QByteArray source = QByteArray("src/") + name;
            EXPECT_EQ(readAll(file((QByteArray("dst/") + name).constData())), bytes(source.constData())) << name;
            EXPECT_EQ(QFileInfo::exists(file(source.constData())), !move) << name;
        }
        // The replaced picture and its own companions, not left stale beside the new one.
        QSet<QByteArray> trashed;
        for (const QString& p : std::as_const(files.trashed))
            trashed.insert(readAll(p));
        EXPECT_EQ(trashed, QSet<QByteArray>({bytes("dst/a.jpg"), bytes("dst/a.jpg.original"), bytes("dst/a.wav")}));
        const QString aMoved = file("src/a.jpg") + u'>' + file("dst/a.jpg");
        EXPECT_EQ(move ? commentsMoved.value(0) : commentsCopied.value(0), aMoved);
        EXPECT_TRUE(foldersChanged.contains(file("dst/")));
        if (move) {
            // The first marked picture stays marked under its new name, in its place.
            EXPECT_EQ(lists.markedPictures().entries().toStringList(), QStringList({file("dst/a.jpg"), file("dst/b.jpg")}));
            EXPECT_EQ(lists.current().count(), 0);
            EXPECT_EQ(view.events.first(), QStringLiteral("moveBegins"));
            EXPECT_EQ(view.events.last(), QStringLiteral("moveEnds"));
        }
    }
}

// The move fallback deleted the source even when the copy failed, and
// companions moved before (and without) their picture.
TEST_F(Drop, AFailingStepLosesNothingAlsoAcrossFileSystems)
{
    for (const bool crossDevice : {false, true}) {
        for (int failAt = 1;; ++failAt) {
            SCOPED_TRACE(QStringLiteral("crossDevice %1 failAt %2").arg(crossDevice).arg(failAt).toStdString());
            resetTree();
            files.crossDevice = crossDevice;
            files.failAt = failAt;
            commands().moveDropped(dragged(), file("dst"));
            const QSet<QByteArray> surviving = survivingChecksums();
            for (const char* name : {"src/a.jpg", "src/a.jpg.original", "src/a.wav", "src/b.jpg", "dst/a.jpg",
                                     "dst/a.jpg.original", "dst/a.wav"})
                EXPECT_TRUE(surviving.contains(checksum(bytes(name)))) << name;
            if (QFileInfo::exists(file("src/a.jpg"))) {
                EXPECT_TRUE(QFileInfo::exists(file("src/a.jpg.original")));
                EXPECT_TRUE(QFileInfo::exists(file("src/a.wav")));
                EXPECT_TRUE(lists.isMarked(file("src/a.jpg")));
            }
            if (readAll(file("dst/a.jpg")) == bytes("src/a.jpg") && QFileInfo::exists(file("dst/a.jpg.original")))
                EXPECT_NE(readAll(file("dst/a.jpg.original")), bytes("dst/a.jpg.original"));
            if (files.steps < failAt)
                break;
        }
    }
}

} // namespace
} // namespace vistello::test
