// The drive line's statvfs and folder listing may hang on a dead mount: the
// window waits for them only a bounded time.
#include "organize/folders/BoundedTask.h"

#include <QElapsedTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(BoundedTask, SlowWorkEndsOnItsOwnThread)
{
    EXPECT_EQ(runBounded([] { return QStringLiteral("quick"); }, 5000, {}), QStringLiteral("quick"));

    auto late = std::make_shared<std::atomic<int>>(0);
    QElapsedTimer clock;
    clock.start();
    const std::optional<QString> text = runBounded(
        [] {
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
            return QStringLiteral("slow");
        },
        50, [late](const QString& text) { *late = text == QStringLiteral("slow") ? 1 : 2; });
    EXPECT_FALSE(text.has_value());
    EXPECT_LT(clock.elapsed(), 400);
    while (*late == 0 && clock.elapsed() < 5000)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(*late, 1);
}

} // namespace
} // namespace vistello
