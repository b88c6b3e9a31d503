// The rename job: a stop takes effect between pictures, and the pictures
// moved so far still get their final names; a refusal moves nothing.
#include "organize/RenameFixtures.h"
#include "organize/rename/RenameJob.h"
#include "support/TempDir.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace vistello {
namespace {

using test::TempDir;
using namespace test::rename;

bool waitUntilFinished(const RenameJob& job)
{
    for (int i = 0; i < 3000 && !job.finished(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return job.finished();
}

RenameRequest numberedFrom1(const QStringList& pictures)
{
    RenameRequest request;
    request.pictures = pictures;
    request.firstIndex = 1;
    return request;
}

TEST(RenameJob, stopInPhaseOneStillGivesFinalNames)
{
    TempDir dir;
    const QStringList pictures = {dir.write(QStringLiteral("b.jpg"), "b"), dir.write(QStringLiteral("a.jpg"), "a"),
                                  dir.write(QStringLiteral("c.jpg"), "c")};
    RenameJob* self = nullptr;
    // The user cancels while the first picture moves to its temporary name.
    RenameJob job(numberedFrom1(pictures), [&self](const QString& from, const QString& to) {
        if (to.endsWith(u'_'))
            self->stop(0);
        return moveWithoutReplacing(from, to);
    });
    self = &job;
    QList<QPair<QString, QString>> renamed;
    QObject::connect(&job, &BackgroundJob::entryRenamed, &job,
                     [&](const QString& from, const QString& to) { renamed.append({from, to}); }, Qt::DirectConnection);
    job.start();
    ASSERT_TRUE(waitUntilFinished(job));
    const QString first = dir.file(QStringLiteral("Picture_0001.jpg"));
    EXPECT_EQ(renamed, (QList<QPair<QString, QString>>{{pictures[0], first}}));
    EXPECT_EQ(folderFiles(dir.path()),
              (QMap<QString, QByteArray>{{"Picture_0001.jpg", "b"}, {"a.jpg", "a"}, {"c.jpg", "c"}}));
}

TEST(RenameJob, refusalIsReportedAndMovesNothing)
{
    TempDir dir;
    const QStringList pictures = {dir.write(QStringLiteral("a.jpg"), "a"), dir.write(QStringLiteral("b.jpg"), "b")};
    dir.write(QStringLiteral("Picture_0002.jpg"), "outside");
    RenameJob job(numberedFrom1(pictures));
    QString message;
    int renamed = 0;
    QObject::connect(&job, &BackgroundJob::jobFailed, &job, [&](int, const QString& text) { message = text; },
                     Qt::DirectConnection);
    QObject::connect(&job, &BackgroundJob::entryRenamed, &job, [&] { ++renamed; }, Qt::DirectConnection);
    job.start();
    ASSERT_TRUE(waitUntilFinished(job));
    EXPECT_TRUE(message.startsWith(QStringLiteral("At least one renamed picture would override")));
    EXPECT_EQ(renamed, 0);
    EXPECT_EQ(folderFiles(dir.path()).size(), 3);
}

} // namespace
} // namespace vistello
