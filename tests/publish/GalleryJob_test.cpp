// The gallery job asks its questions through the function it was handed,
// never with a window of its own, and reports why it ended as jobFailed.
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/jpegwrite/PictureWriting.h"
#include "publish/PublishFixtures.h"
#include "publish/gallery/GalleryJob.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace vistello {
namespace {

using test::TempDir;

bool waitUntilFinished(const GalleryJob& job)
{
    for (int i = 0; i < 3000 && !job.finished(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return job.finished();
}

TEST(GalleryJob, AFailedWriteAsksTheHandedInQuestionAndNoAnswerGoesOn)
{
    PictureFileTypes& types = PictureFileTypes::instance();
    registerBuiltInFormats(types, false, nullptr);
    enablePictureWriting(types);
    TempDir dir;
    const QStringList pictures = {dir.write("src/a.jpg", test::publish::plainJpeg(32, 24)),
                                  dir.write("src/b.jpg", test::publish::plainJpeg(32, 24))};
    QDir(dir.path()).mkpath("out/t_a.jpg"); // a folder where a thumbnail goes
    GallerySettings settings;
    settings.targetFolder = dir.file("out/");
    QStringList asked;
    GalleryJob job(types, pictures, settings, [&](const QString& path) {
        asked << path;
        return false;
    });
    QStringList failures;
    QObject::connect(&job, &BackgroundJob::jobFailed, &job, [&](int, const QString& text) { failures << text; },
                     Qt::DirectConnection);
    job.start();
    ASSERT_TRUE(waitUntilFinished(job));
    EXPECT_EQ(asked, QStringList{dir.file("out/t_a.jpg")});
    EXPECT_TRUE(job.outcome().finished);
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_TRUE(QFile::exists(dir.file("out/index.html")));

    GalleryJob refused(types, {dir.write("x.bmp", "BM")}, settings, {});
    QObject::connect(&refused, &BackgroundJob::jobFailed, &refused, [&](int, const QString& text) { failures << text; },
                     Qt::DirectConnection);
    refused.start();
    ASSERT_TRUE(waitUntilFinished(refused));
    EXPECT_EQ(failures, QStringList{"No pictures in Jpeg format are available\nfor the HTML page creation."});
}

} // namespace
} // namespace vistello
