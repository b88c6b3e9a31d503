// The gallery job asks after a failed write through its JobQuestion, which
// the window answers on its own thread, and reports why it ended as
// jobFailed.
#include "app/window/taskpane/PublishPageRules.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/jobs/JobRegistry.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/jpegwrite/PictureWriting.h"
#include "publish/PublishFixtures.h"
#include "publish/gallery/GalleryJob.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace vistello {
namespace {

using test::TempDir;

// Runs this thread's events (the window's) until the job ends.
bool waitUntilFinished(const GalleryJob& job)
{
    for (int i = 0; i < 3000 && !job.finished(); ++i) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return job.finished();
}

class ThreadNotingPrompts : public ScriptedPrompts {
public:
    PromptReply ask(const PromptQuestion& question) override
    {
        askedOn = QThread::currentThread();
        return ScriptedPrompts::ask(question);
    }
    QThread* askedOn = nullptr;
};

TEST(GalleryJob, AFailedWriteIsAskedOnTheWindowThreadAndYesEndsTheJob)
{
    PictureFileTypes& types = PictureFileTypes::instance();
    registerBuiltInFormats(types, false, nullptr);
    enablePictureWriting(types);
    TempDir dir;
    const QStringList pictures = {dir.write("src/a.jpg", test::publish::plainJpeg(32, 24)),
                                  dir.write("src/b.jpg", test::publish::plainJpeg(32, 24))};
    for (const char* answer : {"no", "yes"}) {
        const QString out = dir.file(QStringLiteral("out-%1/").arg(answer));
        QDir(out).mkpath("t_a.jpg"); // a folder where a thumbnail goes
        GallerySettings settings;
        settings.targetFolder = out;
        QObject window;
        ThreadNotingPrompts prompts;
        prompts.queueAnswer(answer);
        QueuedJobQuestion question(window, prompts);
        GalleryJob job(types, pictures, settings, &question);
        QStringList failures;
        QObject::connect(&job, &BackgroundJob::jobFailed, &job, [&](int, const QString& text) { failures << text; },
                         Qt::DirectConnection);
        job.start();
        ASSERT_TRUE(waitUntilFinished(job));
        EXPECT_EQ(prompts.shown(), QStringList{"The file \"" + out + "t_a.jpg\" could not be created.\nDo you want to cancel?"});
        EXPECT_EQ(prompts.askedOn, QThread::currentThread());
        const bool goesOn = QByteArray(answer) == "no";
        EXPECT_EQ(job.outcome().finished, goesOn) << answer;
        EXPECT_EQ(QFile::exists(out + "index.html"), goesOn) << answer;
        EXPECT_EQ(QFile::exists(out + "t_b.jpg"), goesOn) << answer;
        EXPECT_TRUE(failures.isEmpty()) << answer; // a cancel is no failure
    }

    GallerySettings settings;
    settings.targetFolder = dir.file("out-no/");
    GalleryJob refused(types, {dir.write("x.bmp", "BM")}, settings, nullptr);
    QStringList failures;
    QObject::connect(&refused, &BackgroundJob::jobFailed, &refused, [&](int, const QString& text) { failures << text; },
                     Qt::DirectConnection);
    refused.start();
    ASSERT_TRUE(waitUntilFinished(refused));
    EXPECT_EQ(failures, QStringList{"No pictures in Jpeg format are available\nfor the HTML page creation."});
}

// The job list's title is the heading above the folder; a second gallery
// must be refused by the folder alone.
TEST(GalleryJob, ARegisteredGalleryHoldsItsTargetFolder)
{
    PictureFileTypes& types = PictureFileTypes::instance();
    TempDir dir;
    GallerySettings settings;
    settings.targetFolder = dir.file("out/");
    JobRegistry registry;
    BackgroundJob* job = registry.add(std::make_unique<GalleryJob>(types, QStringList{"a.jpg"}, settings, nullptr));
    EXPECT_EQ(job->title(), "HTML page creation\n" + settings.targetFolder);
    EXPECT_TRUE(registry.targetInUse(settings.targetFolder));
    EXPECT_EQ(galleryRunningMessage(registry, settings.targetFolder),
              "A HTML page will be created in the folder\n\"" + settings.targetFolder + "\"\nalready.");
    EXPECT_EQ(galleryRunningMessage(registry, dir.file("other/")), std::nullopt);
}

} // namespace
} // namespace vistello
