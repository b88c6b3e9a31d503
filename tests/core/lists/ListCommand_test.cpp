// vistello-cli list runs the viewer's own path-argument code; these tests
// drive the built program and compare with the library's answer.
#include "core/lists/CommandLinePictures.h"
#include "core/lists/FirstList.h"
#include "core/lists/PictureLists.h"
#include "ListTestSupport.h"

#include <QFileInfo>
#include <QProcess>

using namespace vistello;
using vistello::test::ListTest;

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class ListCommand : public ListTest {
protected:
    void SetUp() override
    {
        ListTest::SetUp();
        if (!QFileInfo(QStringLiteral(VISTELLO_CLI_PATH)).isExecutable())
            GTEST_SKIP() << "vistello-cli not built";
    }

    CliRun run(const QStringList& args)
    {
        QProcess p;
        p.start(QStringLiteral(VISTELLO_CLI_PATH), QStringList{QStringLiteral("list")} + args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    // What the viewer shows for these path arguments.
    QString viewerList(const QStringList& paths, bool includeSubfolders)
    {
        PictureLists lists;
        chooseFirstList(lists, collectPathArguments(paths, includeSubfolders).list(), QString(), includeSubfolders,
                        nullptr);
        QString text;
        for (const QString& p : lists.current().entries().toStringList())
            text += p + u'\n';
        return text;
    }
};

} // namespace

TEST_F(ListCommand, PrintsWhatTheViewerShows)
{
    const QString b = touch("f/b.jpg");
    const QString a = touch("f/a.jpg");
    touch("f/s/c.jpg");
    touch("g/d.jpg");
    const QList<std::pair<QStringList, bool>> cases = {
        {{b, a}, false},                       // two pictures keep their order
        {{a}, false},                          // one picture: its folder
        {{dir.file("f"), dir.file("g")}, false},
        {{dir.file("f")}, true},
    };
    for (const auto& [paths, sub] : cases) {
        const CliRun r = run((sub ? QStringList{QStringLiteral("-i")} : QStringList()) + paths);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, viewerList(paths, sub)) << paths.join(u' ').toStdString();
    }
    EXPECT_EQ(run({b, a}).out, b + u'\n' + a + u'\n');
    EXPECT_EQ(run({a}).out, a + u'\n' + b + u'\n');
    EXPECT_EQ(run({dir.file("f"), QStringLiteral("-I")}).out, viewerList({dir.file("f")}, true));
}

TEST_F(ListCommand, ListExtensionOptionPicksTheListFiles)
{
    const QString own = touch("f/own.jpg");
    const QString listed = touch("x/listed.jpg");
    dir.write("f/names.lst", listed.toUtf8());
    EXPECT_EQ(run({dir.file("f")}).out, own + u'\n');
    EXPECT_EQ(run({QStringLiteral("-e"), QStringLiteral("lst"), dir.file("f")}).out, own + u'\n' + listed + u'\n');
}

TEST_F(ListCommand, FailsWithoutPicturesAndOnUsageErrors)
{
    folder("empty");
    CliRun r = run({dir.file("empty")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(run({dir.file("missing")}).exitCode, 1);
    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("-q"), dir.path()}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("-e")}).exitCode, 2);
}

TEST_F(ListCommand, ExportWritesTheListWithItsComments)
{
    const QString a = touch("f/a, first.jpg");
    const QString b = touch("f/b.jpg");
    dir.write("src/in.csv", ("\"" + a + "\";\"the \"\"first\"\"\"\r\n" + b + "\r\n").toUtf8());
    const QString out = dir.file("out.csv");
    const CliRun r = run({QStringLiteral("--export"), out, dir.file("src/in.csv")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(test::readAll(out), "\xEF\xBB\xBF\"" + a.toUtf8() + "\",\"the \"\"first\"\"\"\r\n" + b.toUtf8() + "\r\n");

    PictureList back(10);
    EXPECT_TRUE(back.readListFile(out, true));
    EXPECT_EQ(back.entries().toStringList(), (QStringList{a, b}));
    EXPECT_EQ(ListFileComments::instance().get(a), "the \"first\"");
}
