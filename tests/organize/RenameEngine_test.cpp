// The rename engine: names by pattern and by date, companions, refusals, and
// the two-phase move when moves fail.
#include "organize/RenameFixtures.h"
#include "organize/rename/RenameExecutor.h"
#include "organize/rename/RenamePlan.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;
using namespace test::rename;

QByteArray contentOf(const QString& name) { return "bytes of " + name.toUtf8(); }

// Writes each name with its own content; returns the paths in order.
QStringList writeFiles(const TempDir& dir, const QStringList& names)
{
    QStringList paths;
    for (const QString& name : names)
        paths << dir.write(name, contentOf(name));
    return paths;
}

RenameRequest numbered(const QStringList& paths, const QString& pattern, qint64 start)
{
    RenameRequest request;
    request.pictures = paths;
    request.pattern = pattern;
    request.firstIndex = start;
    request.numbered = true;
    return request;
}

RenameRequest single(const QString& path, const QString& name)
{
    RenameRequest request;
    request.pictures = {path};
    request.name = name;
    return request;
}

struct NumberingCase {
    const char* label;
    QStringList names;
    const char* pattern;
    qint64 start;
    QStringList expected; // new name of each picture, in order
    bool firstListedTwice = false;
};

TEST(RenamePattern, numbersInTheGivenOrderAndContentsFollow)
{
    const NumberingCase cases[] = {
        {"given order", {"c.jpg", "a.jpg", "b.jpg"}, "Picture_%04d", 1, {"Picture_0001.jpg", "Picture_0002.jpg", "Picture_0003.jpg"}},
        {"swap", {"Picture_0002.jpg", "Picture_0001.jpg"}, "Picture_%04d", 1, {"Picture_0001.jpg", "Picture_0002.jpg"}},
        {"rotation of three", {"3.jpg", "1.jpg", "2.jpg"}, "%d", 1, {"1.jpg", "2.jpg", "3.jpg"}},
        {"own name again", {"Picture_0001.jpg", "x.PNG"}, "Picture_%04d", 1, {"Picture_0001.jpg", "Picture_0002.PNG"}},
        {"no placeholder", {"a.jpg", "b"}, "Holiday", 0, {"Picture_0000.jpg", "Picture_0001"}},
        {"two placeholders", {"a.jpg", "b.jpg"}, "%d_%d", 9, {"Picture_0009.jpg", "Picture_0010.jpg"}},
        {"flags and percent", {"a.jpg", "b.jpg"}, "100%% %-3d!", -1, {"100% -1 !.jpg", "100% 0  !.jpg"}},
        {"listed twice", {"a.jpg", "b.jpg"}, "n%d", 1, {"n1.jpg", "n2.jpg"}, true},
    };
    for (const NumberingCase& c : cases) {
        SCOPED_TRACE(c.label);
        TempDir dir;
        QStringList paths = writeFiles(dir, c.names);
        if (c.firstListedTwice)
            paths.insert(1, paths.first());
        const RenamePlan plan = buildRenamePlan(numbered(paths, QString::fromUtf8(c.pattern), c.start));
        ASSERT_FALSE(plan.refused());
        for (const RenameOutcome& o : executeRenamePlan(plan))
            EXPECT_FALSE(o.conflict);
        QMap<QString, QByteArray> expected;
        for (qsizetype i = 0; i < c.names.size(); ++i)
            expected.insert(c.expected[i], contentOf(c.names[i]));
        EXPECT_EQ(folderFiles(dir.path()), expected); // no temporary name is left
    }
}

struct DatedFile {
    const char* name;
    QByteArray date; // empty: no date of taking
    bool renamed;    // in the set (else a bystander)
};

struct DateCase {
    const char* label;
    std::vector<DatedFile> files;
    QStringList expected; // new name of each renamed picture, in order
};

TEST(RenameDate, namesAfterTheDateOfTakingUniqueInTheFolder)
{
    const DateCase cases[] = {
        {"same second", {{"a.jpg", "2004:01:01 12:00:00", true}, {"b.jpg", "2004:01:01 12:00:00", true}},
         {"2004-01-01@12-00-00.jpg", "2004-01-01@12-00-00-1.jpg"}},
        {"undated ones take the numbers",
         {{"a.jpg", "2010:12:31 23:59:58", true}, {"u.jpg", "", true}, {"b.jpg", "2011:02:03 04:05:06", true}, {"v.jpg", "", true}},
         {"2010-12-31@23-59-58.jpg", "Picture_0005.jpg", "2011-02-03@04-05-06.jpg", "Picture_0006.jpg"}},
        {"carries its date name already", {{"2004-01-01@12-00-00.jpg", "2004:01:01 12:00:00", true}},
         {"2004-01-01@12-00-00-1.jpg"}},
        {"bystander and stale temporary name",
         {{"2004-01-01@12-00-00.jpg", "", false}, {"2004-01-01@12-00-00-1.jpg_", "", false}, {"a.jpg", "2004:01:01 12:00:00", true}},
         {"2004-01-01@12-00-00-2.jpg"}},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.label);
        TempDir dir;
        RenameRequest request = numbered({}, QStringLiteral("Picture_%04d"), 5);
        request.byDate = true;
        QMap<QString, QByteArray> expected;
        int next = 0;
        for (const DatedFile& f : c.files) {
            const QByteArray bytes = datedPicture(f.date, f.name);
            const QString path = dir.write(QString::fromUtf8(f.name), bytes);
            if (f.renamed)
                request.pictures << path;
            expected.insert(f.renamed ? c.expected[next++] : QString::fromUtf8(f.name), bytes);
        }
        executeRenamePlan(buildRenamePlan(request));
        EXPECT_EQ(folderFiles(dir.path()), expected);
    }
}

TEST(RenameCompanions, backupAndSoundMemoFollowTheirPictureThroughASwap)
{
    TempDir dir;
    const QStringList swap = writeFiles(dir, {"P2.jpg", "P1.jpg", "P2.jpg.original", "P1.jpg.original", "P1.wav"});
    executeRenamePlan(buildRenamePlan(numbered({swap[0], swap[1]}, QStringLiteral("P%d"), 1)));
    EXPECT_EQ(folderFiles(dir.path()),
              (QMap<QString, QByteArray>{{"P1.jpg", contentOf("P2.jpg")}, {"P2.jpg", contentOf("P1.jpg")},
                                         {"P1.jpg.original", contentOf("P2.jpg.original")},
                                         {"P2.jpg.original", contentOf("P1.jpg.original")}, {"P2.wav", contentOf("P1.wav")}}));
}

struct RefusalCase {
    const char* label;
    QStringList files;    // the first ones are renamed
    int renamedCount;
    const char* name;     // one picture: the name; else the pattern
    RenameRefusal refusal;
};

TEST(RenameRefusals, moveNothing)
{
    const RefusalCase cases[] = {
        {"onto another picture", {"a.jpg", "b.jpg"}, 1, "b", RenameRefusal::NameTaken},
        {"onto its own name", {"a.jpg"}, 1, "a", RenameRefusal::NameTaken},
        {"outside file holds a new name", {"a.jpg", "b.jpg", "Picture_0001.jpg"}, 2, "Picture_%04d", RenameRefusal::WouldOverride},
        {"stale temporary name", {"a.jpg", "b.jpg", "Picture_0000.jpg_"}, 2, "Picture_%04d", RenameRefusal::WouldOverride},
        {"backup name held", {"a.jpg", "b.jpg", "a.jpg.original", "Picture_0000.jpg.original"}, 2, "Picture_%04d",
         RenameRefusal::WouldOverride},
        {"parent folder", {"a.jpg"}, 1, "../a", RenameRefusal::UnsafeName},
        {"sub-folder", {"a.jpg"}, 1, "sub/a", RenameRefusal::UnsafeName},
        {"dot dot inside", {"a.jpg"}, 1, "x..y", RenameRefusal::UnsafeName},
        {"hidden", {"a.jpg"}, 1, ".a", RenameRefusal::UnsafeName},
        {"empty", {"a.jpg"}, 1, "", RenameRefusal::UnsafeName},
        {"pattern leaving the folder", {"a.jpg", "b.jpg"}, 2, "../P%d", RenameRefusal::UnsafeName},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.label);
        TempDir dir;
        const QStringList paths = writeFiles(dir, c.files);
        const QStringList renamed = paths.mid(0, c.renamedCount);
        const QString name = QString::fromUtf8(c.name);
        const RenamePlan plan = buildRenamePlan(c.renamedCount == 1 ? single(paths[0], name) : numbered(renamed, name, 0));
        EXPECT_EQ(plan.refusal, c.refusal);
        EXPECT_FALSE(refusalMessage(plan).isEmpty());
        executeRenamePlan(plan);
        EXPECT_EQ(folderFiles(dir.path()).size(), c.files.size());
        for (const QString& f : c.files)
            EXPECT_EQ(test::readAll(dir.file(f)), contentOf(f));
    }
    TempDir dir;
    const QString a = dir.write(QStringLiteral("a.jpg"), "a");
    EXPECT_EQ(buildRenamePlan(single(a, QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b"))).refusal,
              RenameRefusal::UnsafeName);
}

// Moves for real, except the failing-th one (counted from 0), which fails as given.
MoveStep failingMove(int failing, MoveResult failure, int& count)
{
    return [failing, failure, &count](const QString& from, const QString& to) {
        return count++ == failing ? failure : moveWithoutReplacing(from, to);
    };
}

TEST(RenameFaults, anyFailedMoveLosesNoFile)
{
    // A swap with companions and a newcomer: every kind of move happens.
    const QStringList scene = {"shoot/Picture_0002.jpg", "shoot/Picture_0001.jpg", "shoot/c.jpg",
                               "shoot/Picture_0002.jpg.original", "shoot/Picture_0001.wav"};
    for (const MoveResult failure : {MoveResult::Failed, MoveResult::TargetExists}) {
        for (int n = 0;; ++n) {
            SCOPED_TRACE(n);
            TempDir root;
            const QStringList paths = writeFiles(root, scene);
            const QString folder = root.file(QStringLiteral("shoot"));
            const QList<QByteArray> before = contentMultiset(folder);
            int count = 0;
            const RenamePlan plan = buildRenamePlan(numbered(paths.mid(0, 3), QStringLiteral("Picture_%04d"), 1));
            const std::vector<RenameOutcome> outcomes = executeRenamePlan(plan, failingMove(n, failure, count));
            EXPECT_EQ(contentMultiset(folder), before);
            EXPECT_EQ(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                      QStringList{"shoot"});
            for (size_t i = 0; i < outcomes.size(); ++i) // each picture is where it is said to be
                EXPECT_EQ(test::readAll(outcomes[i].picture.at), contentOf(scene[qsizetype(i)]));
            if (count <= n)
                break; // every move has failed once
        }
    }
}

TEST(RenameFaults, phaseTwoConflictKeepsTheOutsideFileAndIsReported)
{
    TempDir dir;
    const QStringList pictures = writeFiles(dir, {"a.jpg", "b.jpg"});
    const QString target = dir.file(QStringLiteral("Picture_0001.jpg"));
    // Another program writes the first new name between the two phases.
    const MoveStep intruding = [&](const QString& from, const QString& to) {
        if (to == target && from.endsWith(u'_'))
            dir.write(QStringLiteral("Picture_0001.jpg"), "intruder");
        return moveWithoutReplacing(from, to);
    };
    const std::vector<RenameOutcome> outcomes =
        executeRenamePlan(buildRenamePlan(numbered(pictures, QStringLiteral("Picture_%04d"), 1)), intruding);
    EXPECT_TRUE(outcomes[0].conflict);
    EXPECT_FALSE(outcomes[1].conflict);
    EXPECT_EQ(folderFiles(dir.path()), (QMap<QString, QByteArray>{{"Picture_0001.jpg", "intruder"},
                                                                  {"a.jpg", contentOf("a.jpg")},
                                                                  {"Picture_0002.jpg", contentOf("b.jpg")}}));
}

} // namespace
} // namespace vistello
