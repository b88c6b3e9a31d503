#pragma once
// The job list in a scripted run's state: the running entries ("jobs") and
// the ended jobs with their results ("jobsFinished"), kinds by number.
#include "app/window/taskpane/JobProgressList.h"

#include <QJsonArray>

namespace vistello {

// [{"kind", "number", "text", "step", "total"}] in list order.
QJsonArray jobsRunningJson(const JobProgressList& list);
// [{"kind", "number", "written": [paths], "failed": [paths], "failure"}] in
// the order the jobs ended; "failure" only when the job broke off.
QJsonArray jobsFinishedJson(const JobProgressList& list);

} // namespace vistello
