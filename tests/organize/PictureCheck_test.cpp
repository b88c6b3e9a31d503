// The picture check: a truncated picture and one whose main image is broken
// while its EXIF thumbnail is fine are both listed, with the library's text
// (compared with djpeg's), and the job sends its outcome as values.
#include "app/samples/SamplePicture.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "organize/search/PictureCheck.h"
#include "organize/search/PictureCheckJob.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QStandardPaths>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace vistello;

namespace {

class PictureCheckTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
        samples::SamplePictureRecipe recipe;
        recipe.displaySize = {320, 240};
        whole = samples::buildSamplePicture(recipe);
        ASSERT_FALSE(whole.isEmpty());
        good = dir.write(QStringLiteral("good.jpg"), whole);
        truncated = dir.write(QStringLiteral("truncated.jpg"), whole.left(whole.size() * 2 / 3));
        // The main image's frame header asks for 7-bit samples; the
        // thumbnail inside the EXIF block stays sound.
        QByteArray bad = whole;
        const qsizetype exifEnd = 4 + ((uchar(bad[4]) << 8) | uchar(bad[5]));
        const qsizetype frame = bad.indexOf("\xFF\xC0", exifEnd);
        EXPECT_GT(frame, 0);
        bad[frame + 4] = 7;
        badMain = dir.write(QStringLiteral("bad main.jpg"), bad);
    }

    test::TempDir dir;
    QByteArray whole;
    QString good, truncated, badMain;
};

TEST_F(PictureCheckTest, BrokenPicturesAreListedWithTheLibrarysText)
{
    EXPECT_FALSE(checkPicture(good));
    const std::optional<QString> cut = checkPicture(truncated);
    ASSERT_TRUE(cut);
    EXPECT_TRUE(cut->contains(QStringLiteral("premature end"), Qt::CaseInsensitive)) << cut->toStdString();

    const std::optional<QString> main = checkPicture(badMain);
    ASSERT_TRUE(main);
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (djpeg.isEmpty())
        SKIP_OR_FAIL("djpeg is missing");
    const test::ProcessRun reference = test::runProgram(djpeg, {"-outfile", "/dev/null", badMain});
    EXPECT_NE(reference.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(reference.err).contains(*main)) << main->toStdString();
}

TEST_F(PictureCheckTest, CliPrintsAndWritesTheErrorList)
{
    SKIP_WITHOUT_CLI();
    const test::CliRun run = test::runCli({"check", "-b", dir.path(), good, truncated, badMain});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << run.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(truncated + QStringLiteral(" , \"")));
    EXPECT_EQ(lines[1], badMain + QStringLiteral(" , \"%1\"").arg(*checkPicture(badMain)));
    EXPECT_EQ(test::readAll(dir.file(QStringLiteral("Errorlist.txt"))),
              QByteArray("\xEF\xBB\xBF") + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    EXPECT_EQ(test::runCli({"check", "-b", dir.path(), good}).exitCode, 0);
}

TEST_F(PictureCheckTest, JobSendsCountAndList)
{
    const QString listPath = dir.file(QStringLiteral("Errorlist.txt"));
    PictureCheckJob job({good, truncated}, listPath);
    int broken = -1;
    QString written;
    QObject::connect(&job, &PictureCheckJob::checkFinished, &job,
                     [&](int count, const QString& path) { broken = count, written = path; }, Qt::DirectConnection);
    job.start();
    for (int i = 0; i < 3000 && !job.finished(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(broken, 1);
    EXPECT_EQ(written, listPath);
    EXPECT_TRUE(test::readAll(listPath).contains(QFile::encodeName(truncated)));
    EXPECT_EQ(pictureCheckCompletionText(1),
              QStringLiteral("One broken picture was found in the selected pictures.\nWould you like to view the error list?"));
}

} // namespace
