// vistello-cli gallery as a user runs it: the pages are read back by
// python3's html.parser (every link resolves), refusals leave the target as
// it was, and damaged pictures and odd names are handled.
#include "app/SampleTools.h"
#include "core/settings/ResizeSettings.h"
#include "core/settings/SettingsStore.h"
#include "publish/PublishFixtures.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;
using namespace test::publish;

class GalleryCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_CLI();
        QDir(dir.path()).mkpath("out");
        QDir(dir.path()).mkpath("home");
    }
    QString out() const { return dir.file("out/"); }
    QStringList pictures(int count)
    {
        QStringList paths;
        for (int i = 1; i <= count; ++i)
            paths << dir.write(QStringLiteral("src/P%1.jpg").arg(i, 2, 10, QLatin1Char('0')), plainJpeg(64, 48));
        return paths;
    }
    test::CliRun gallery(const QStringList& args)
    {
        return runPublishing("gallery", QStringList{"-b", dir.file("home"), "-o", out()} + args);
    }
    QString page(const QString& name) const { return QString::fromUtf8(test::readAll(out() + name)); }

    TempDir dir;
};

TEST_F(GalleryCli, SeventeenPicturesMakeTwoIndexPagesWhoseLinksAllResolve)
{
    const test::CliRun run = gallery(pictures(17));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString pager = "<p><a href=\"index.html\">1</a>&nbsp;&nbsp;<a href=\"index2.html\">2</a></p>\r\n";
    EXPECT_EQ(page("index.html").count("<td>"), 16);
    EXPECT_EQ(page("index2.html").count("<td>"), 1);
    EXPECT_TRUE(page("index.html").contains(pager));
    EXPECT_TRUE(page("index2.html").contains(pager));
    EXPECT_TRUE(page("k_P17.html").contains("<a href=\"k_P01.html\"><img src=\"_n.gif\""));
    QStringList printed = run.out.split('\n', Qt::SkipEmptyParts);
    printed.sort();
    EXPECT_EQ(printed.size(), 4 + 17 * 4 + 2); // image files, t_ k_ page original, index pages
    EXPECT_EQ(printed, filesIn(out()));
    const auto unresolved = unresolvedLinks(out());
    EXPECT_TRUE(unresolved || !test::underCi()) << "python3 is missing";
    if (unresolved)
        EXPECT_TRUE(unresolved->isEmpty()) << unresolved->join('\n').toStdString();

    const test::CliRun onePage = gallery(QStringList{"--rows", "0"} + pictures(17));
    ASSERT_EQ(onePage.exitCode, 0);
    EXPECT_EQ(page("index.html").count("<td>"), 17);
    EXPECT_FALSE(page("index.html").contains("index2.html"));
}

TEST_F(GalleryCli, OddNamesTitlesAndCommentsStayText)
{
    const QStringList paths = {dir.write("src/a&b #1 \"x\".jpg", plainJpeg(64, 48, Qt::red, "<b>")),
                               dir.write("src/100%.jpg", plainJpeg(48, 64)), dir.write("src/t_.jpg", plainJpeg(8, 8))};
    const test::CliRun run = gallery(QStringList{"--title", "A & B"} + paths);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto unresolved = unresolvedLinks(out());
    if (!unresolved)
        SKIP_OR_FAIL("python3 is not installed");
    EXPECT_TRUE(unresolved->isEmpty()) << unresolved->join('\n').toStdString();
    const QString text = pageText(out() + "k_a&b #1 \"x\".html");
    EXPECT_TRUE(text.contains("A & B")) << text.toStdString();
    EXPECT_TRUE(text.contains("<b>")) << text.toStdString();
    EXPECT_TRUE(pageText(out() + "index.html").contains("a&b #1 \"x\""));
    if (test::sampletools::toolAvailable("chromium")) {
        const auto dom = test::runProgram("chromium", {"--headless", "--no-sandbox", "--dump-dom", out() + "index.html"});
        EXPECT_TRUE(dom.out.contains("A &amp; B")) << dom.out.toStdString();
    }
}

TEST_F(GalleryCli, ClashingNamesAndPicturesInTheTargetAreRefusedBeforeWriting)
{
    const QString a = dir.write("one/IMG_0001.JPG", plainJpeg(16, 16));
    const QString b = dir.write("two/IMG_0001.JPG", plainJpeg(16, 16));
    const QString dotted = dir.write("one/a.b.jpg", plainJpeg(16, 16));
    const QString underscored = dir.write("one/a_b.jpg", plainJpeg(16, 16));
    const QString inside = dir.write("out/x.jpg", plainJpeg(16, 16));
    const QString x = dir.write("one/x.jpg", plainJpeg(16, 16));
    const QString xe = dir.write("one/x.jpeg", plainJpeg(16, 16));
    const QString tx = dir.write("one/t_x.jpg", plainJpeg(16, 16));
    struct Case {
        QStringList files;
        QStringList listed;
    } const cases[] = {
        {{a, b}, {"IMG_0001.JPG  (" + a + ", " + b + ")", "t_IMG_0001.JPG  ("}},
        {{dotted, underscored}, {"k_a_b.html  (" + dotted + ", " + underscored + ")"}},
        {{x, xe}, {"k_x.html  (" + x + ", " + xe + ")"}},
        {{x, tx}, {"t_x.jpg  (" + x + ", " + tx + ")"}},
        {{a, inside}, {"must be different", inside}},
    };
    for (const Case& c : cases) {
        const test::CliRun run = gallery(c.files);
        EXPECT_EQ(run.exitCode, 1) << c.files.join(' ').toStdString();
        for (const QString& line : c.listed)
            EXPECT_TRUE(run.err.contains(line)) << run.err.toStdString();
        EXPECT_EQ(filesIn(out()), QStringList{"x.jpg"});
        EXPECT_EQ(QFileInfo(inside).size(), plainJpeg(16, 16).size());
    }
}

TEST_F(GalleryCli, StartPageNamesOutsideTheTargetAreRefused)
{
    for (const char* name : {"../escape.html", "sub/index.html", ".."}) {
        const QString settings = dir.write("settings.xml", settingsFile("HTMLTargetFileName", "string", name));
        const test::CliRun run = gallery(QStringList{"-x", settings} + pictures(1));
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_TRUE(run.err.contains("inside the target folder")) << name << run.err.toStdString();
        EXPECT_TRUE(filesIn(out()).isEmpty()) << name;
    }
}

TEST_F(GalleryCli, BackgroundIsWrittenWhenOnlyTheIndexTemplateUsesIt)
{
    const QString pictureTemplate = dir.write("picture.html", "<html><img src=\"%5\"></html>");
    const test::CliRun run = gallery(QStringList{"--picture-template", pictureTemplate} + pictures(1));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(out() + "_b.jpg"));
    EXPECT_FALSE(QFile::exists(out() + "_n.gif"));
}

TEST_F(GalleryCli, SingleQuotedTemplatesKeepNamesWithApostrophes)
{
    const QString indexTemplate =
        dir.write("index.html", "<html><title>%1</title><body>%3<table>%4</table><a href='%1'>x</a></body></html>");
    const QString pictureTemplate = dir.write(
        "picture.html", "<html><a href='%2'>p</a> <a href='%3'>n</a> <img src='%5' alt='%6'> %8x%9 '%7'</html>");
    const QString bob = dir.write("src/Bob's.jpg", plainJpeg(64, 48, Qt::red, "Bob's dog"));
    const test::CliRun run = gallery(QStringList{"--index-template", indexTemplate, "--picture-template",
                                                 pictureTemplate, "--title", "Bob's"} + QStringList{bob} + pictures(1));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(out() + "k_Bob's.jpg"));
    const auto unresolved = unresolvedLinks(out());
    if (!unresolved)
        SKIP_OR_FAIL("python3 is not installed");
    // The title link points at no file: it only shows the title stays inside its quotes.
    QStringList broken = *unresolved;
    broken.removeAll(QStringLiteral("index.html: Bob's"));
    EXPECT_TRUE(broken.isEmpty()) << broken.join('\n').toStdString();
    EXPECT_TRUE(pageText(out() + "k_Bob's.html").contains("'Bob's'"));
}

TEST_F(GalleryCli, CopiesWithoutGivenQualityUseTheJpegOptions)
{
    SKIP_WITHOUT_TOOL("identify");
    SettingsStore store(dir.file("home"));
    ResizeSettings record;
    record.qualityGiven = false;
    store.setRecord(QStringLiteral("HTMLResize"), record);
    store.setString(QStringLiteral("Jpeg_property"), QStringLiteral("40,40"));
    const QString settings = dir.write("settings.xml", store.serialize());
    const test::CliRun run = gallery(QStringList{"-x", settings} + pictures(1));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto quality = [&](const QString& name) {
        return QString::fromUtf8(test::sampletools::runTool("identify", {"-format", "%Q", out() + name}).out);
    };
    EXPECT_EQ(quality("k_P01.jpg"), "40");
    EXPECT_EQ(quality("t_P01.jpg"), "90"); // thumbnails are always 90
}

TEST_F(GalleryCli, DamagedPicturesAreLeftOutAndNeverNeighbours)
{
    QStringList paths = pictures(3);
    paths.insert(1, dir.write("src/broken.jpg", damagedJpeg()));
    const test::CliRun run = gallery(paths);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(run.out.contains("broken")) << run.out.toStdString();
    EXPECT_TRUE(page("k_P01.html").contains("<a href=\"k_P02.html\"><img src=\"_n.gif\""));
    EXPECT_TRUE(page("k_P02.html").contains("<a href=\"k_P01.html\"><img src=\"_p.gif\""));
    EXPECT_EQ(page("index.html").count("<td>"), 3);
}

} // namespace
} // namespace vistello
