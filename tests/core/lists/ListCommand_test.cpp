// vistello-cli list, driven as a user drives it; the expected lists are
// written out by hand from the list rules.
#include "ListTestSupport.h"
#include "core/lists/PictureList.h"
#include "support/CliRunner.h"

using namespace vistello;
using vistello::test::CliRun;
using vistello::test::ListTest;

namespace {

class ListCommand : public ListTest {
protected:
    void SetUp() override
    {
        ListTest::SetUp();
        SKIP_WITHOUT_CLI();
    }

    CliRun run(const QStringList& args) { return test::runCli(QStringList{QStringLiteral("list")} + args); }
};

} // namespace

TEST_F(ListCommand, PrintsWhatTheViewerShows)
{
    const QString b = touch("f/b.jpg");
    const QString a = touch("f/a.jpg");
    const QString deeper = touch("f/s/c.jpg");
    const QString d = touch("g/d.jpg");
    const struct {
        QStringList args;
        QStringList expected;
    } cases[] = {
        {{b, a}, {b, a}},                              // two pictures keep their order
        {{a}, {a, b}},                                 // one picture: its folder, sorted
        {{dir.file("f"), dir.file("g")}, {a, b, d}},   // folders in turn, without sub-folders
        {{"-i", dir.file("f")}, {a, b, deeper}},
        {{dir.file("f"), "-I"}, {a, b, deeper}},       // "-i" anywhere and in any case, as the viewer's
    };
    for (const auto& k : cases) {
        const CliRun r = run(k.args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, k.expected.join(u'\n') + u'\n') << k.args.join(u' ').toStdString();
    }
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
    // "--" ends the options: "-i" is then a path that names nothing.
    EXPECT_EQ(run({QStringLiteral("--"), QStringLiteral("-i")}).exitCode, 1);
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
