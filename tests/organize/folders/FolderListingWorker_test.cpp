// The completion's folder listing on its own thread: while one folder is
// being listed, only the newest of the later requests is listed next.
#include "organize/folders/FolderListingWorker.h"

#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

namespace vistello {
namespace {

TEST(FolderListingWorker, ListsTheNewestRequestAfterASlowOne)
{
    std::mutex mutex;
    std::condition_variable changed;
    bool listingSlow = false;
    bool released = false;
    std::vector<std::pair<QString, QStringList>> delivered;
    const auto lister = [&](const QString& folder) {
        std::unique_lock lock(mutex);
        if (folder == QLatin1String("/slow/")) {
            listingSlow = true;
            changed.notify_all();
            changed.wait(lock, [&] { return released; }); // a mount that does not answer yet
        }
        return QStringList{folder + QStringLiteral("x")};
    };
    const auto roots = [] { return QStringList{QStringLiteral("/")}; };
    FolderListingWorker worker(lister, roots, [&](const QString& folder, const QStringList& names) {
        std::lock_guard lock(mutex);
        delivered.emplace_back(folder, names);
        changed.notify_all();
    });
    const auto waitFor = [&](size_t count) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(10), [&] { return delivered.size() >= count; });
    };

    worker.request(QStringLiteral("/slow/"));
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(changed.wait_for(lock, std::chrono::seconds(10), [&] { return listingSlow; }));
    }
    // The caller goes on while the slow folder is listed.
    worker.request(QStringLiteral("/a/"));
    worker.request(QStringLiteral("/b/"));
    {
        std::lock_guard lock(mutex);
        released = true;
        changed.notify_all();
    }
    ASSERT_TRUE(waitFor(2));
    worker.request(QString());
    ASSERT_TRUE(waitFor(3));
    std::lock_guard lock(mutex);
    const std::vector<std::pair<QString, QStringList>> expected{
        {QStringLiteral("/slow/"), {QStringLiteral("/slow/x")}},
        {QStringLiteral("/b/"), {QStringLiteral("/b/x")}},
        {QString(), {QStringLiteral("/")}},
    };
    EXPECT_EQ(delivered, expected);
}

} // namespace
} // namespace vistello
