// Videos and MP3 files through vistello-cli decode and info, checked
// against ffmpeg and ffprobe on clips the tests generate.
#include "imaging/decode/MediaHandlers.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cmath>

namespace vistello {
namespace {

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QLatin1String(name));
}

#define REQUIRE_FFMPEG()                                                    \
    do {                                                                    \
        SKIP_WITHOUT_CLI();                                                 \
        if (tool("ffmpeg").isEmpty() || tool("ffprobe").isEmpty())          \
            SKIP_OR_FAIL("ffmpeg and ffprobe are not installed");           \
    } while (false)

// A 2-second 320x240 test pattern clip.
QString makeClip(const test::TempDir& dir, const QString& name = QStringLiteral("clip.avi"))
{
    const QString path = dir.file(name);
    const test::ProcessRun run = test::runProgram(
        tool("ffmpeg"), {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=320x240:duration=2", "-q:v", "2", path});
    return run.exitCode == 0 ? path : QString();
}

double psnr(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)})
                sum += double(d) * d;
        }
    const double mse = sum / (3.0 * a.width() * a.height());
    return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

TEST(MediaCli, DecodesTheFirstFrameOfAClipAsFfmpegDoes)
{
    REQUIRE_FFMPEG();
    test::TempDir dir;
    const QString clip = makeClip(dir);
    ASSERT_FALSE(clip.isEmpty());
    const QString reference = dir.file(QStringLiteral("ref.ppm"));
    ASSERT_EQ(test::runProgram(tool("ffmpeg"), {"-v", "error", "-i", clip, "-frames:v", "1", reference}).exitCode, 0);
    const QString output = dir.file(QStringLiteral("out.ppm"));
    const test::CliRun run = test::runCli({QStringLiteral("decode"), clip, QStringLiteral("-o"), output});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("320x240\n"));
    const QImage ours(output), theirs(reference);
    ASSERT_EQ(ours.size(), theirs.size());
    EXPECT_GT(psnr(ours, theirs), 30.0);
}

TEST(MediaCli, InformationTextHasTheSizeAndTheLengthFfprobeGives)
{
    REQUIRE_FFMPEG();
    test::TempDir dir;
    const QString clip = makeClip(dir);
    ASSERT_FALSE(clip.isEmpty());
    const test::ProcessRun probe = test::runProgram(
        tool("ffprobe"), {"-v", "error", "-select_streams", "v:0", "-show_entries", "stream=duration", "-of", "csv=p=0", clip});
    ASSERT_EQ(probe.exitCode, 0);
    const double seconds = QString::fromLatin1(probe.out).trimmed().toDouble();
    const int shown = int((std::llround(seconds * 1000) + 500) / 1000);
    const test::CliRun run = test::runCli({QStringLiteral("info"), QStringLiteral("--summary"), clip});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("Media name\tclip.avi"));
    EXPECT_EQ(lines[1], QStringLiteral("Video size:\t320x240 pixel"));
    EXPECT_EQ(lines[2], QStringLiteral("Video length:\t%1 s").arg(shown));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("File size:\t"))) << lines[3].toStdString();
}

TEST(MediaCli, BrokenClipsFailInTime)
{
    REQUIRE_FFMPEG();
    test::TempDir dir;
    const QString clip = makeClip(dir);
    ASSERT_FALSE(clip.isEmpty());
    QByteArray bytes = test::readAll(clip);
    const QString truncated = dir.write(QStringLiteral("cut.avi"), bytes.left(2000));
    QByteArray garbage(50 << 20, Qt::Uninitialized);
    QRandomGenerator generator(34);
    for (qsizetype i = 0; i < garbage.size(); i += 4) {
        const quint32 word = generator.generate();
        std::memcpy(garbage.data() + i, &word, 4);
    }
    const QString noise = dir.write(QStringLiteral("noise.avi"), garbage);
    for (const QString& path : {truncated, noise}) {
        QElapsedTimer timer;
        timer.start();
        const test::CliRun run = test::runCli({QStringLiteral("decode"), path, QStringLiteral("-o"), dir.file("o.ppm")});
        EXPECT_EQ(run.exitCode, 1) << path.toStdString();
        EXPECT_LT(timer.elapsed(), 10000) << path.toStdString();
    }
}

// The note picture drawn from its description: grey 231, five black lines.
QImage referenceNotes()
{
    QImage picture(120, 80, QImage::Format_RGB888);
    picture.fill(QColor(231, 231, 231));
    const auto line = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                picture.setPixelColor(x, y, Qt::black);
    };
    line(10, 60, 60, 60);
    line(60, 30, 60, 59);
    line(60, 30, 89, 30);
    line(90, 30, 90, 59);
    line(90, 60, 109, 60);
    return picture;
}

TEST(MediaCli, AnMp3DecodesToTheNotePicture)
{
    REQUIRE_FFMPEG();
    test::TempDir dir;
    const QString mp3 = dir.file(QStringLiteral("tune.mp3"));
    ASSERT_EQ(test::runProgram(tool("ffmpeg"), {"-v", "error", "-f", "lavfi", "-i", "sine=duration=1", mp3}).exitCode, 0);
    const QString output = dir.file(QStringLiteral("notes.png"));
    const test::CliRun run = test::runCli({QStringLiteral("decode"), mp3, QStringLiteral("-o"), output});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("120x80\n"));
    EXPECT_EQ(QImage(output).convertToFormat(QImage::Format_RGB888), referenceNotes());
}

// A raised stop flag (the loader ends) or a spent deadline gives no frame
// instead of a wait for one.
TEST(VideoHandler, StopFlagAndDeadlineEndTheGrab)
{
    REQUIRE_FFMPEG();
    test::TempDir dir;
    const QString clip = makeClip(dir);
    ASSERT_FALSE(clip.isEmpty());
    VideoHandler handler;
    EXPECT_FALSE(handler.decodeFile(clip, 0, 0, 1, 1, false).empty());
    std::atomic<bool> stop{true};
    handler.setStopFlag(&stop);
    EXPECT_TRUE(handler.decodeFile(clip, 0, 0, 1, 1, false).empty());
    handler.setStopFlag(nullptr);
    handler.setDeadline(std::chrono::milliseconds(0));
    EXPECT_TRUE(handler.decodeFile(clip, 0, 0, 1, 1, false).empty());
}

} // namespace
} // namespace vistello
