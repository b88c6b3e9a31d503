// The copy job behind "Copy pictures": names, sound memos, failures, stops.
#include "jpegedit/batch/CopyPicturesJob.h"
#include "support/TempDir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace vistello {
namespace {

using test::TempDir;

// What a job reported, collected on its own thread.
struct Reports {
    std::mutex mutex;
    QStringList written;
    QStringList failed;
    int steps = 0;
    int startedWith = -1;
    JobKind kind = JobKind::Gallery;

    void listenTo(CopyPicturesJob& job)
    {
        QObject::connect(&job, &BackgroundJob::fileWritten, &job, [this](const QString& p) {
            std::lock_guard lock(mutex);
            written << p;
        }, Qt::DirectConnection);
        QObject::connect(&job, &BackgroundJob::fileFailed, &job, [this](const QString& p) {
            std::lock_guard lock(mutex);
            failed << p;
        }, Qt::DirectConnection);
        QObject::connect(&job, &BackgroundJob::jobStep, &job, [this](int, const QString&) { ++steps; },
                         Qt::DirectConnection);
        QObject::connect(&job, &BackgroundJob::jobStarted, &job, [this](int, int count, JobKind k) {
            startedWith = count;
            kind = k;
        }, Qt::DirectConnection);
    }
};

void runToEnd(CopyPicturesJob& job)
{
    job.start();
    for (int i = 0; i < 3000 && !job.finished(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(job.finished());
}

QStringList namesIn(const TempDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

TEST(CopyPicturesJob, namesCountOnFromTheCopiesThere)
{
    TempDir dir;
    const QString x = dir.write(QStringLiteral("X.jpg"), "x picture");
    dir.write(QStringLiteral("Copy of X.jpg"), "older copy");
    dir.write(QStringLiteral("Copy (2) of X.jpg"), "older copy 2");
    const QString numbered = dir.write(QStringLiteral("Copy (12) of Y.jpg"), "y picture");
    const QString plain = dir.write(QStringLiteral("IMG_0001.JPG"), "first");
    const QDateTime taken = QDateTime::fromSecsSinceEpoch(1000000000);
    {
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(taken, QFileDevice::FileModificationTime));
    }
    CopyPicturesJob job({x, numbered, plain});
    Reports reports;
    reports.listenTo(job);
    runToEnd(job);

    const QStringList expected{dir.file(QStringLiteral("Copy (3) of X.jpg")), dir.file(QStringLiteral("Copy (13) of Y.jpg")),
                               dir.file(QStringLiteral("Copy of IMG_0001.JPG"))};
    EXPECT_EQ(reports.written, expected);
    EXPECT_TRUE(reports.failed.isEmpty());
    EXPECT_EQ(reports.kind, JobKind::CopyPictures);
    EXPECT_EQ(reports.startedWith, 3);
    EXPECT_EQ(reports.steps, 3);
    EXPECT_EQ(test::readAll(expected[0]), QByteArray("x picture"));
    EXPECT_EQ(test::readAll(expected[1]), QByteArray("y picture"));
    EXPECT_EQ(test::readAll(expected[2]), QByteArray("first"));
    EXPECT_EQ(QFileInfo(expected[2]).lastModified(), taken); // the copy keeps the picture's date
    EXPECT_EQ(test::readAll(dir.file(QStringLiteral("Copy of X.jpg"))), QByteArray("older copy"));
    EXPECT_EQ(test::readAll(dir.file(QStringLiteral("Copy (2) of X.jpg"))), QByteArray("older copy 2"));
    EXPECT_EQ(namesIn(dir).size(), 8); // nothing else left behind
}

TEST(CopyPicturesJob, soundMemosFollowUnderTheCopysName)
{
    TempDir dir;
    const QString a = dir.write(QStringLiteral("IMG_0001.JPG"), "picture a");
    dir.write(QStringLiteral("IMG_0001.wav"), "memo a");
    const QString b = dir.write(QStringLiteral("IMG_0002.jpg"), "picture b");
    dir.write(QStringLiteral("SND_0002.WAV"), "memo b");
    const QString c = dir.write(QStringLiteral("IMG_0003.jpg"), "picture c");
    dir.write(QStringLiteral("IMG_0003.wav"), "memo c");
    dir.write(QStringLiteral("Copy of IMG_0003.wav"), "someone else's memo");
    const QString d = dir.write(QStringLiteral("IMG_0004.jpg"), "picture d");

    CopyPicturesJob job({a, b, c, d});
    Reports reports;
    reports.listenTo(job);
    runToEnd(job);

    EXPECT_EQ(reports.written.size(), 4);
    EXPECT_TRUE(reports.failed.isEmpty());
    EXPECT_EQ(test::readAll(dir.file(QStringLiteral("Copy of IMG_0001.wav"))), QByteArray("memo a"));
    EXPECT_EQ(test::readAll(dir.file(QStringLiteral("Copy of IMG_0002.WAV"))), QByteArray("memo b"));
    // A file that holds the memo's name already is never replaced.
    EXPECT_EQ(test::readAll(dir.file(QStringLiteral("Copy of IMG_0003.wav"))), QByteArray("someone else's memo"));
    EXPECT_EQ(test::readAll(dir.file(QStringLiteral("Copy of IMG_0003.jpg"))), QByteArray("picture c"));
    // The originals' memos stay, and a picture without one gets none.
    EXPECT_EQ(test::readAll(dir.file(QStringLiteral("IMG_0001.wav"))), QByteArray("memo a"));
    EXPECT_EQ(namesIn(dir).size(), 14);
}

TEST(CopyPicturesJob, aFailedCopyIsReportedAndTheRestAreDone)
{
    TempDir dir;
    const QString a = dir.write(QStringLiteral("a.jpg"), "a");
    const QString gone = dir.file(QStringLiteral("gone.jpg")); // removed before the job came to it
    const QString broken = dir.write(QStringLiteral("broken.jpg"), "unreadable halfway");
    const QString b = dir.write(QStringLiteral("b.jpg"), "b");
    FileSteps steps = realFileSteps();
    const auto realCopy = steps.copyInto;
    steps.copyInto = [realCopy, broken](const QString& from, QIODevice& to) {
        if (from != broken)
            return realCopy(from, to);
        to.write("unreadable");
        return false; // a read error after part of the bytes
    };
    CopyPicturesJob job({a, gone, broken, b}, steps);
    Reports reports;
    reports.listenTo(job);
    runToEnd(job);

    EXPECT_EQ(reports.written, (QStringList{dir.file(QStringLiteral("Copy of a.jpg")), dir.file(QStringLiteral("Copy of b.jpg"))}));
    EXPECT_EQ(reports.failed, (QStringList{gone, broken}));
    EXPECT_EQ(job.failedPictures(), reports.failed);
    EXPECT_EQ(reports.steps, 4);
    EXPECT_EQ(namesIn(dir), (QStringList{"Copy of a.jpg", "Copy of b.jpg", "a.jpg", "b.jpg", "broken.jpg"}));
}

TEST(CopyPicturesJob, aStopEndsBetweenPicturesWithNoPartialCopy)
{
    TempDir dir;
    QStringList pictures;
    for (int i = 0; i < 4; ++i)
        pictures << dir.write(QStringLiteral("p%1.jpg").arg(i), QByteArray(4096, char('a' + i)));
    std::atomic<bool> inSecondCopy{false};
    CopyPicturesJob* running = nullptr;
    FileSteps steps = realFileSteps();
    const auto realCopy = steps.copyInto;
    steps.copyInto = [&, realCopy](const QString& from, QIODevice& to) {
        if (from == pictures[1]) {
            // The stop comes while this copy is under way.
            inSecondCopy = true;
            while (!running->stopRequested())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return realCopy(from, to);
    };
    CopyPicturesJob job(pictures, steps);
    running = &job;
    Reports reports;
    reports.listenTo(job);
    job.start();
    while (!inSecondCopy)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_TRUE(job.stop(-1));

    // The copy under way was finished whole; no later picture was begun.
    EXPECT_EQ(job.copies(), (QStringList{dir.file(QStringLiteral("Copy of p0.jpg")), dir.file(QStringLiteral("Copy of p1.jpg"))}));
    EXPECT_EQ(test::readAll(dir.file(QStringLiteral("Copy of p1.jpg"))), QByteArray(4096, 'b'));
    EXPECT_EQ(namesIn(dir).size(), 6);
}

} // namespace
} // namespace vistello
