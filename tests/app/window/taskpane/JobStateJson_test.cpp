// The job list as a scripted run's state shows it.
#include "app/window/taskpane/JobStateJson.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

namespace vistello {
namespace {

QByteArray compact(const QJsonArray& array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

TEST(JobStateJson, RunningAndEndedJobs)
{
    JobProgressList list;
    list.launched(3, JobKind::Resize);
    list.launched(4, JobKind::Rename);
    list.started(3, 2, JobKind::Resize, QStringLiteral("t"));
    list.step(3, QStringLiteral("a.jpg"));
    list.written(3, QStringLiteral("/p/a.jpg"));
    list.failed(3, QStringLiteral("/p/b.jpg"));
    list.failedWith(4, QStringLiteral("refused"));
    EXPECT_EQ(compact(jobsRunningJson(list)),
              QByteArray(R"([{"kind":2,"number":3,"step":1,"text":"a.jpg","total":2}])"));
    list.finished(3);
    list.settle(4);
    list.settle(3);
    EXPECT_EQ(compact(jobsRunningJson(list)), QByteArray("[]"));
    EXPECT_EQ(compact(jobsFinishedJson(list)),
              QByteArray(R"([{"failed":[],"failure":"refused","kind":3,"number":4,"written":[]},)"
                         R"({"failed":["/p/b.jpg"],"kind":2,"number":3,"written":["/p/a.jpg"]}])"));
}

} // namespace
} // namespace vistello
