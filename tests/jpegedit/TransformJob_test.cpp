// The batch transform job over a working set.
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/TransformFixtures.h"
#include "jpegedit/batch/TransformJob.h"
#include "jpegedit/originals/OriginalBackup.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <chrono>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace vistello {
namespace {

using test::TempDir;
using namespace test::transform;

bool waitUntilFinished(const TransformJob& job)
{
    for (int i = 0; i < 3000 && !job.finished(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return job.finished();
}

TEST(TransformJob, changesEachCapablePictureAndReportsIt)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    TempDir dir;
    const QByteArray bytes = encodeLayout(Layout::Yuv420, 64, 32);
    const QString a = dir.write(QStringLiteral("a.jpg"), bytes);
    const QString tiny = dir.write(QStringLiteral("tiny.jpg"), encodeLayout(Layout::Yuv420, 8, 8));
    const QString text = dir.write(QStringLiteral("b.txt"), "not a picture");
    const QString b = dir.write(QStringLiteral("b.JPEG"), bytes);

    PictureTransformOptions options;
    options.request.op = TransformOp::Rotate270;
    options.copyOriginal = true;
    TransformJob job({a, tiny, text, b}, options);
    std::mutex mutex;
    QStringList reported;
    int steps = 0;
    QObject::connect(&job, &BackgroundJob::fileWritten, &job, [&](const QString& path) {
        std::lock_guard lock(mutex);
        reported << path;
    }, Qt::DirectConnection);
    QStringList failed;
    QObject::connect(&job, &BackgroundJob::fileFailed, &job, [&](const QString& path) {
        std::lock_guard lock(mutex);
        failed << path;
    }, Qt::DirectConnection);
    QObject::connect(&job, &BackgroundJob::jobStep, &job, [&](int, const QString&) { ++steps; }, Qt::DirectConnection);
    job.start();
    ASSERT_TRUE(waitUntilFinished(job));
    EXPECT_EQ(reported, (QStringList{a, b}));
    // Too small to turn is a failure; a file the format cannot turn is skipped silently.
    EXPECT_EQ(failed, QStringList{tiny});
    EXPECT_EQ(steps, 4);
    EXPECT_EQ(jpegSize(test::readAll(a)), QSize(32, 64));
    EXPECT_EQ(test::readAll(originalBackupPath(a)), bytes);
    EXPECT_FALSE(QFileInfo::exists(originalBackupPath(text))); // skipped before any backup
    EXPECT_EQ(test::readAll(text), QByteArray("not a picture"));
}

TEST(TransformJob, makeCopyChangesTheCopyOnly)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    TempDir dir;
    const QByteArray bytes = encodeLayout(Layout::Yuv444, 40, 24);
    const QString a = dir.write(QStringLiteral("a.jpg"), bytes);
    PictureTransformOptions options;
    options.request.op = TransformOp::FlipV;
    options.makeCopy = true;
    TransformJob job({a}, options);
    job.start();
    ASSERT_TRUE(waitUntilFinished(job));
    EXPECT_EQ(job.changedPaths(), QStringList{dir.file(QStringLiteral("Copy of a.jpg"))});
    EXPECT_EQ(test::readAll(a), bytes);
    EXPECT_FALSE(QFileInfo::exists(originalBackupPath(a)));
}

TEST(TransformJob, stopsBetweenPictures)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    TempDir dir;
    QStringList pictures;
    for (int i = 0; i < 40; ++i)
        pictures << dir.write(QStringLiteral("p%1.jpg").arg(i), encodeLayout(Layout::Yuv420, 256, 256));
    PictureTransformOptions options;
    options.request.op = TransformOp::Rotate90;
    options.copyOriginal = false;
    TransformJob job(pictures, options);
    job.start();
    job.stop(-1);
    EXPECT_TRUE(job.finished());
    EXPECT_LT(job.changedPaths().size(), 40);
}

} // namespace
} // namespace vistello
