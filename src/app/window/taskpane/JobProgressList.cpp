#include "app/window/taskpane/JobProgressList.h"

#include <algorithm>

namespace vistello {

bool JobProgressList::started(int jobNumber, int stepCount, JobKind kind, const QString& title)
{
    // One entry per job: its Cancel button is found by the number.
    if (find(jobNumber))
        return false;
    entries_.push_back({kind, jobNumber, title, 0, std::max(0, stepCount)});
    return true;
}

bool JobProgressList::step(int jobNumber, const QString& text)
{
    JobProgressEntry* entry = findEntry(jobNumber);
    if (!entry)
        return false;
    // A bar stays full rather than starting over when a job reports more
    // steps than it announced.
    if (entry->total == 0 || entry->step < entry->total)
        ++entry->step;
    if (!text.isEmpty())
        entry->text = text;
    return true;
}

bool JobProgressList::finished(int jobNumber)
{
    return std::erase_if(entries_, [&](const JobProgressEntry& e) { return e.jobNumber == jobNumber; }) > 0;
}

const JobProgressEntry* JobProgressList::find(int jobNumber) const
{
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [&](const JobProgressEntry& e) { return e.jobNumber == jobNumber; });
    return it == entries_.end() ? nullptr : &*it;
}

JobProgressEntry* JobProgressList::findEntry(int jobNumber)
{
    return const_cast<JobProgressEntry*>(std::as_const(*this).find(jobNumber));
}

void JobProgressList::launched(int jobNumber, JobKind kind)
{
    if (!findOpen(jobNumber))
        open_.push_back({kind, jobNumber, {}, {}, {}});
}

void JobProgressList::written(int jobNumber, const QString& path)
{
    if (FinishedJob* job = findOpen(jobNumber))
        job->written << path;
}

void JobProgressList::failed(int jobNumber, const QString& path)
{
    if (FinishedJob* job = findOpen(jobNumber))
        job->failed << path;
}

void JobProgressList::failedWith(int jobNumber, const QString& message)
{
    if (FinishedJob* job = findOpen(jobNumber))
        job->failure = message;
}

std::optional<FinishedJob> JobProgressList::settle(int jobNumber)
{
    auto it = std::find_if(open_.begin(), open_.end(), [&](const FinishedJob& j) { return j.jobNumber == jobNumber; });
    if (it == open_.end())
        return std::nullopt;
    finishedJobs_.push_back(std::move(*it));
    open_.erase(it);
    return finishedJobs_.back();
}

const FinishedJob* JobProgressList::findOpen(int jobNumber) const
{
    auto it = std::find_if(open_.begin(), open_.end(), [&](const FinishedJob& j) { return j.jobNumber == jobNumber; });
    return it == open_.end() ? nullptr : &*it;
}

FinishedJob* JobProgressList::findOpen(int jobNumber)
{
    return const_cast<FinishedJob*>(std::as_const(*this).findOpen(jobNumber));
}

} // namespace vistello
