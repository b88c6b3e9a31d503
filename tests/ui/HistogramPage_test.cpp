// The histogram tab's loader thread: only the latest picture's result is
// shown, and a page closed while reading leaves nothing behind (ASan).
#include "ui/pictureinfo/HistogramPage.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
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

TEST(HistogramPage, ClosedWhileReading)
{
    QTemporaryDir dir;
    for (int i = 0; i < 5; ++i) {
        auto page = std::make_unique<HistogramPage>(nullptr);
        page->showFile(dir.filePath(QStringLiteral("a%1.jpg").arg(i)), false);
        page.reset();
        QCoreApplication::processEvents();
    }
}

} // namespace
} // namespace vistello
