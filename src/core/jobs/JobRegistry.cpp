#include "core/jobs/JobRegistry.h"

#include <algorithm>

namespace vistello {

JobRegistry& JobRegistry::instance()
{
    static JobRegistry registry;
    return registry;
}

BackgroundJob* JobRegistry::add(std::unique_ptr<BackgroundJob> job)
{
    reapLingering();
    jobs_.push_back(std::move(job));
    return jobs_.back().get();
}

BackgroundJob* JobRegistry::find(int jobNumber) const
{
    for (const auto& job : jobs_) {
        if (job->jobNumber() == jobNumber)
            return job.get();
    }
    return nullptr;
}

namespace {

QString folderText(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

bool JobRegistry::targetInUse(const QString& target) const
{
    if (target.isEmpty())
        return false;
    return std::any_of(jobs_.begin(), jobs_.end(), [&](const auto& job) {
        return !job->targetText().isEmpty() && folderText(job->targetText()) == folderText(target);
    });
}

void JobRegistry::cancel(int jobNumber)
{
    if (BackgroundJob* job = find(jobNumber))
        job->stop(stopTimeoutMs_);
}

void JobRegistry::remove(int jobNumber)
{
    auto it = std::find_if(jobs_.begin(), jobs_.end(),
                           [&](const auto& job) { return job->jobNumber() == jobNumber; });
    if (it != jobs_.end()) {
        std::unique_ptr<BackgroundJob> job = std::move(*it);
        jobs_.erase(it);
        destroyWhenEnded(std::move(job));
    }
    reapLingering();
}

void JobRegistry::stopAll()
{
    std::vector<std::unique_ptr<BackgroundJob>> jobs = std::move(jobs_);
    jobs_.clear();
    for (auto& job : jobs)
        destroyWhenEnded(std::move(job));
    reapLingering();
    // Whatever still runs now is left to the end of the process: destroying
    // it would pull its data from under its thread. A job that must not be
    // cut off is waited for.
    for (auto& job : lingering_) {
        if (job->mustRunToEnd())
            job->stop(-1);
        else
            static_cast<void>(job.release()); // deliberately never destroyed
    }
    lingering_.clear();
}

void JobRegistry::destroyWhenEnded(std::unique_ptr<BackgroundJob> job)
{
    if (job->stop(stopTimeoutMs_))
        return; // ended and joined: destroyed here
    lingering_.push_back(std::move(job));
}

void JobRegistry::reapLingering()
{
    // Ended jobs are joined by stop(0) and destroyed.
    std::erase_if(lingering_, [](auto& job) { return job->finished() && job->stop(0); });
}

} // namespace vistello
