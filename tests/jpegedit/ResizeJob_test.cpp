// The resize job over a batch: a damaged picture is skipped, a failed write
// asks through the job question; written and failed files are reported.
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/TransformFixtures.h"
#include "jpegedit/jpegwrite/PictureWriting.h"
#include "jpegedit/resize/ResizeJob.h"
#include "support/TempDir.h"

#include <QFile>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace vistello {
namespace {

using test::TempDir;
using namespace test::transform;

struct CountingAnswer : JobQuestion {
    explicit CountingAnswer(PromptAnswer a) : answer(a) {}
    PromptAnswer ask(const PromptQuestion&, const std::atomic<bool>&) override
    {
        ++asked;
        return answer;
    }
    PromptAnswer answer;
    std::atomic<int> asked{0};
};

TEST(ResizeJob, SkipsDamagedPicturesAsksAfterFailedWritesAndReportsWrittenFiles)
{
    PictureFileTypes& types = PictureFileTypes::instance();
    registerBuiltInFormats(types, false, nullptr);
    enablePictureWriting(types);
    for (const PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No}) {
        TempDir dir;
        const QByteArray good = encodeLayout(Layout::Yuv420, 96, 64);
        const QString cut = dir.write(QStringLiteral("cut.jpg"), good.left(good.size() / 2));
        const QString locked = dir.write(QStringLiteral("locked.jpg"), good);
        QFile::setPermissions(locked, QFile::ReadOwner);
        const QString last = dir.write(QStringLiteral("last.jpg"), good);
        ResizeOptions options;
        options.request.ratioNum = 1;
        options.request.ratioDen = 2;
        options.copyOriginal = false;
        CountingAnswer question(answer);
        ResizeJob job(types, {cut, locked, last}, options, &question);
        QStringList written;
        QObject::connect(&job, &BackgroundJob::fileWritten, [&](const QString& path) { written << path; });
        QStringList failed;
        QObject::connect(&job, &BackgroundJob::fileFailed, [&](const QString& path) { failed << path; });
        job.start();
        for (int i = 0; i < 3000 && !job.finished(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_TRUE(job.finished());
        EXPECT_EQ(question.asked, 1);
        const bool cancelled = answer == PromptAnswer::Yes;
        ASSERT_EQ(job.results().size(), cancelled ? 2u : 3u);
        EXPECT_EQ(job.results()[0].second.status, ResizeStatus::DecodeFailed);
        EXPECT_EQ(job.results()[1].second.status, ResizeStatus::WriteFailed);
        EXPECT_EQ(written, cancelled ? QStringList() : QStringList{last});
        EXPECT_EQ(failed, (QStringList{cut, locked}));
        EXPECT_EQ(jpegSize(test::readAll(last)), cancelled ? QSize(96, 64) : QSize(48, 32));
        EXPECT_EQ(test::readAll(locked), good);
    }
}

} // namespace
} // namespace vistello
