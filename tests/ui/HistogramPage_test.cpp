// The histogram tab's loader thread: only the latest picture's result is
// shown, and a page closed while reading leaves nothing behind (ASan).
#include "ui/pictureinfo/HistogramPage.h"

#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "organize/filecommands/ViewListener.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vistello {
namespace {

bool waitLoaded(const HistogramPage& page)
{
    QDeadlineTimer deadline(10000);
    while (page.loading() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !page.loading();
}

TEST(HistogramPage, ShowsOnlyTheLatestPicturesResult)
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("missing1.jpg"));
    const QString second = dir.filePath(QStringLiteral("missing2.jpg"));
    HistogramPage page(nullptr);
    page.resize(300, 200);
    page.showFile(first, false);
    page.showFile(second, false);
    ASSERT_TRUE(waitLoaded(page));
    const QJsonObject state = page.stateJson();
    EXPECT_TRUE(state.value(QStringLiteral("failed")).toBool());
    EXPECT_EQ(state.value(QStringLiteral("averageText")).toString(),
              QStringLiteral("Error reading picture \"%1\".").arg(second));
}

// Threads of this process, as the kernel lists them.
int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

TEST(HistogramPage, ClosedWhileReading)
{
    // A picture large enough that the page goes while its loader still reads.
    QTemporaryDir dir;
    QImage big(4000, 3000, QImage::Format_RGB32);
    big.fill(Qt::darkCyan);
    const QString path = dir.filePath(QStringLiteral("big.jpg"));
    ASSERT_TRUE(big.save(path, "JPEG"));
    const int before = threadCount();
    for (int i = 0; i < 5; ++i) {
        auto page = std::make_unique<HistogramPage>(nullptr);
        page->showFile(path, false);
        ASSERT_TRUE(page->loading());
        page.reset();
        // Every loader thread, the stopped ones too, was joined with the page.
        EXPECT_EQ(threadCount(), before) << i;
        QCoreApplication::processEvents();
    }
}

// A picture changed by a command is read again; others are left alone.
TEST(HistogramPage, ChangedPictureIsReadAgain)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("later.jpg"));
    HistogramPage page(nullptr);
    page.resize(300, 200);
    page.showFile(path, false);
    ASSERT_TRUE(waitLoaded(page));
    ASSERT_TRUE(page.stateJson().value(QStringLiteral("failed")).toBool());
    QImage grey(64, 48, QImage::Format_RGB32);
    grey.fill(QColor(128, 128, 128));
    ASSERT_TRUE(QImageWriter(path, "jpeg").write(grey));
    broadcastToViews([](ViewListener& view) { view.pictureChanged(QStringLiteral("/elsewhere/x.jpg")); });
    ASSERT_TRUE(waitLoaded(page));
    EXPECT_TRUE(page.stateJson().value(QStringLiteral("failed")).toBool());
    broadcastToViews([&](ViewListener& view) { view.pictureChanged(path); });
    ASSERT_TRUE(waitLoaded(page));
    const QJsonObject state = page.stateJson();
    EXPECT_FALSE(state.value(QStringLiteral("failed")).toBool());
    EXPECT_NEAR(state.value(QStringLiteral("averageGrey")).toDouble(), 100.0 * 128 / 255, 2); // per cent
}

} // namespace
} // namespace vistello
