// Converting pictures into another format: target names, the job's answers
// to a failed write, and vistello-cli convert against ImageMagick's BMP3.
#include "app/samples/SamplePicture.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/FormatHandler.h"
#include "imaging/decode/JpegHandler.h"
#include "jpegedit/TransformFixtures.h"
#include "core/jobs/BackgroundJob.h"
#include "jpegedit/convert/ConvertJob.h"
#include "jpegedit/jpegwrite/PictureWriting.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace vistello {
namespace {

using test::TempDir;
using namespace test::transform;

TEST(ConvertPicture, TargetNameComesFromTheFileNameOnly)
{
    const struct {
        const char* source;
        const char* target;
    } cases[] = {{"/p/a.b/pic.jpg", "/p/a.b/pic.bmp"}, {"/p/a.b/pic", "/p/a.b/pic.bmp"},
                 {"/p/x.tar.jpeg", "/p/x.tar.bmp"},    {"rel.JPG", "rel.bmp"}};
    for (const auto& c : cases)
        EXPECT_EQ(conversionTarget(QString::fromLatin1(c.source), QStringLiteral(".bmp")), QString::fromLatin1(c.target));
}

// A writable format whose writes always fail.
class FailingHandler : public FormatHandler {
public:
    QString extensions() const override { return QStringLiteral(".fail"); }
    QString formatName() const override { return QStringLiteral("Fail"); }
    QString description() const override { return {}; }
    unsigned capabilities() const override { return Writable; }
    bool writePicture(const PictureWriteRequest&) override
    {
        message = QStringLiteral("disk full");
        return false;
    }
};

// Counts the questions and gives one answer to all.
struct CountingAnswer : JobQuestion {
    explicit CountingAnswer(PromptAnswer a) : answer(a) {}
    PromptAnswer ask(const PromptQuestion& question, const std::atomic<bool>&) override
    {
        ++asked;
        text = question.text;
        return answer;
    }
    PromptAnswer answer;
    int asked = 0;
    QString text;
};

TEST(ConvertJob, AsksAfterAFailedWriteAndSkipsWhatItMustNotTouch)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    enablePictureWriting(PictureFileTypes::instance());
    PictureFileTypes types;
    types.registerBuiltIns(false, nullptr);
    types.registerFormat({QStringLiteral(".fail"), QStringLiteral("Fail"), {}, 2, {},
                          []() -> std::unique_ptr<FormatHandler> { return std::make_unique<FailingHandler>(); }},
                         false, nullptr);
    TempDir dir;
    const QString a = dir.write(QStringLiteral("a.jpg"), encodeLayout(Layout::Yuv420, 32, 16));
    const QString b = dir.write(QStringLiteral("b.jpg"), encodeLayout(Layout::Yuv420, 32, 16));
    for (const bool cancel : {true, false}) {
        CountingAnswer question(cancel ? PromptAnswer::Yes : PromptAnswer::No);
        ConvertOptions options;
        options.targetExtension = QStringLiteral(".fail");
        ConvertJob job(types, {a, b}, options, &question);
        QStringList failed;
        QObject::connect(&job, &BackgroundJob::fileFailed, [&](const QString& path) { failed << path; });
        job.start();
        for (int i = 0; i < 3000 && !job.finished(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_TRUE(job.finished());
        EXPECT_EQ(question.asked, cancel ? 1 : 2);
        EXPECT_TRUE(question.text.startsWith(QStringLiteral("The file \"%1\" could not be created.").arg(dir.file(cancel ? QStringLiteral("a.fail") : QStringLiteral("b.fail")))));
        ASSERT_EQ(job.results().size(), cancel ? 1u : 2u);
        EXPECT_EQ(job.results()[0].second.status, ConvertStatus::WriteFailed);
        EXPECT_EQ(job.results()[0].second.message, QStringLiteral("disk full"));
        EXPECT_EQ(failed, cancel ? QStringList{a} : (QStringList{a, b}));
    }
    // To JPEG from JPEG is no conversion; an existing target stays.
    const QString existing = dir.write(QStringLiteral("b.bmp"), "mine");
    ConvertOptions toBmp;
    toBmp.targetExtension = QStringLiteral(".bmp");
    EXPECT_EQ(convertPicture(PictureFileTypes::instance(), b, toBmp).status, ConvertStatus::TargetExists);
    EXPECT_EQ(test::readAll(existing), QByteArray("mine"));
    toBmp.targetExtension = QStringLiteral(".jpeg");
    EXPECT_EQ(convertPicture(PictureFileTypes::instance(), b, toBmp).status, ConvertStatus::SameFormat);
}

// A camera RAW format (a JPEG reader under ".raw" stands in for a plug-in).
TEST(ConvertPicture, RawToJpegKeepsTheCompanionsExif)
{
    PictureFileTypes& types = PictureFileTypes::instance();
    registerBuiltInFormats(types, false, nullptr);
    enablePictureWriting(types);
    if (!types.typeOf(u"x.raw"))
        types.registerFormat({QStringLiteral(".raw"), QStringLiteral("Raw"), {}, 1, {},
                              []() -> std::unique_ptr<FormatHandler> { return JpegHandler::createJpeg(); }},
                             true, nullptr);
    TempDir dir;
    const QString raw = dir.write(QStringLiteral("IMG_1.raw"), encodeLayout(Layout::Yuv420, 48, 32));
    const QString plain = dir.write(QStringLiteral("IMG_2.raw"), encodeLayout(Layout::Yuv420, 48, 32));
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = QSize(160, 120);
    const QByteArray companion = samples::buildSamplePicture(recipe);
    dir.write(QStringLiteral("IMG_1.thm"), companion);
    ConvertOptions options;
    options.targetExtension = QStringLiteral(".jpg");
    for (const QString& source : {raw, plain}) {
        const ConvertResult result = convertPicture(types, source, options);
        ASSERT_EQ(result.status, ConvertStatus::Written) << result.message.toStdString();
        const QByteArray written = test::readAll(result.targetPath);
        EXPECT_EQ(jpegSize(written), QSize(48, 32));
        const QByteArray markers = test::sampletools::headerMarkers(written);
        EXPECT_EQ(markers.at(0), char(source == raw ? 0xE1 : 0xE0)) << source.toStdString();
    }
    EXPECT_EQ(test::readAll(dir.file(QStringLiteral("IMG_1.thm"))), companion);
}

// A turned RAW picture: the pixels are written upright, so the companion's
// orientation (found as ".thm" or as cameras write it, ".THM") must say 1;
// exiftool reads what was written.
TEST(ConvertPicture, RawWithATurnedCompanionIsWrittenUprightAndSaysSo)
{
    SKIP_WITHOUT_TOOL("exiftool");
    PictureFileTypes& types = PictureFileTypes::instance();
    registerBuiltInFormats(types, false, nullptr);
    enablePictureWriting(types);
    if (!types.typeOf(u"x.raw"))
        types.registerFormat({QStringLiteral(".raw"), QStringLiteral("Raw"), {}, 1, {},
                              []() -> std::unique_ptr<FormatHandler> { return JpegHandler::createJpeg(); }},
                             true, nullptr);
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = QSize(160, 120);
    recipe.orientation = samples::Orientation::Rotate90;
    const QByteArray turned = samples::buildSamplePicture(recipe);
    TempDir dir;
    ConvertOptions options;
    options.targetExtension = QStringLiteral(".jpg");
    for (const char* companion : {"IMG_1.thm", "IMG_2.THM"}) {
        SCOPED_TRACE(companion);
        const QString name = QString::fromLatin1(companion);
        dir.write(name, turned);
        const ConvertResult result = convertPicture(types, dir.write(name.left(5) + QStringLiteral(".raw"), turned), options);
        ASSERT_EQ(result.status, ConvertStatus::Written) << result.message.toStdString();
        EXPECT_EQ(jpegSize(test::readAll(result.targetPath)), QSize(160, 120));
        const auto tool = test::sampletools::runTool("exiftool", {"-s3", "-n", "-Orientation", "-Model", result.targetPath});
        const QStringList lines = QString::fromUtf8(tool.out).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 2) << tool.out.toStdString(); // the companion's camera data came along
        EXPECT_EQ(lines[0], QStringLiteral("1"));
    }
}

TEST(ConvertCli, BmpEqualsImageMagickOfTheSamePixels)
{
    SKIP_WITHOUT_CLI();
    SKIP_WITHOUT_TOOL("djpeg");
    SKIP_WITHOUT_TOOL("convert");
    TempDir dir;
    const QString input = dir.write(QStringLiteral("d.ir/in.jpg"), encodeLayout(Layout::Yuv444, 37, 21, 92));
    const QString ppm = dir.write(QStringLiteral("in.ppm"), decodeWithDjpeg(input));
    const QString reference = dir.file(QStringLiteral("ref.bmp"));
    ASSERT_EQ(test::sampletools::runTool(QStringLiteral("convert"), {ppm, QStringLiteral("BMP3:") + reference}).exitCode, 0);
    const auto run = test::runCli({"convert", "--to", ".bmp", input});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString written = dir.file(QStringLiteral("d.ir/in.bmp"));
    EXPECT_EQ(run.out, written + QLatin1Char('\n'));
    QByteArray ours = test::readAll(written);
    QByteArray theirs = test::readAll(reference);
    constexpr int kImageSize = 34; // then the resolution: ImageMagick fills in both
    ours.replace(kImageSize, 12, QByteArray(12, '\0'));
    theirs.replace(kImageSize, 12, QByteArray(12, '\0'));
    EXPECT_EQ(ours, theirs);

    // A second run skips the existing target and says so.
    const auto again = test::runCli({"convert", "--to", "bmp", input});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("exists")));
    EXPECT_EQ(test::runCli({"convert", "--to", ".bmp", "--on-error", "maybe", input}).exitCode, 2);
}

// The file size limit cuts every write short: nothing partial is left, an
// old file stays as it was, and "cancel" ends the batch at the first failure.
TEST(ConvertCli, WriteCutShortLeavesNoPartialFile)
{
    SKIP_WITHOUT_CLI();
    TempDir dir;
    const QString a = dir.write(QStringLiteral("a.jpg"), encodeLayout(Layout::Yuv420, 64, 64));
    const QString b = dir.write(QStringLiteral("b.jpg"), encodeLayout(Layout::Yuv420, 64, 64));
    const QString old = dir.write(QStringLiteral("old.jpg"), encodeLayout(Layout::Yuv420, 8, 8));
    const QByteArray oldBytes = test::readAll(old);
    const auto limited = [](const QStringList& args) {
        QString line = QStringLiteral("trap '' XFSZ; ulimit -f 4; exec \"$0\" \"$@\"");
        return test::sampletools::runTool(QStringLiteral("sh"), QStringList{"-c", line, QStringLiteral(VISTELLO_CLI_PATH)} + args);
    };
    EXPECT_EQ(limited({"convert", "--to", ".bmp", a, b}).exitCode, 1);
    EXPECT_EQ(limited({"jpeg-write", "-q", "100", b, old}).exitCode, 1);
    EXPECT_EQ(test::readAll(old), oldBytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"a.jpg", "b.jpg", "old.jpg"}));
    EXPECT_EQ(limited({"convert", "--to", ".bmp", "--on-error", "continue", a, b}).err.count("could not be created"), 2);
}

} // namespace
} // namespace vistello
