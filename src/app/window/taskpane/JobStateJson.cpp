#include "app/window/taskpane/JobStateJson.h"

#include <QJsonObject>

namespace vistello {

QJsonArray jobsRunningJson(const JobProgressList& list)
{
    QJsonArray jobs;
    for (const JobProgressEntry& e : list.entries()) {
        jobs.append(QJsonObject{
            {QStringLiteral("kind"), int(e.kind)},
            {QStringLiteral("number"), e.jobNumber},
            {QStringLiteral("text"), e.text},
            {QStringLiteral("step"), e.step},
            {QStringLiteral("total"), e.total},
        });
    }
    return jobs;
}

QJsonArray jobsFinishedJson(const JobProgressList& list)
{
    QJsonArray jobs;
    for (const FinishedJob& job : list.finishedJobs()) {
        QJsonObject entry{
            {QStringLiteral("kind"), int(job.kind)},
            {QStringLiteral("number"), job.jobNumber},
            {QStringLiteral("written"), QJsonArray::fromStringList(job.written)},
            {QStringLiteral("failed"), QJsonArray::fromStringList(job.failed)},
        };
        if (!job.failure.isEmpty())
            entry.insert(QStringLiteral("failure"), job.failure);
        jobs.append(entry);
    }
    return jobs;
}

} // namespace vistello
