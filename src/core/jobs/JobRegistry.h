#pragma once
// The running batch jobs of the process, by job number. User-interface
// thread only. A job object is destroyed only after its thread has ended: a
// job that misses its stop time-out is kept aside until it ends.
#include "core/jobs/BackgroundJob.h"

#include <QString>

#include <memory>
#include <vector>

namespace vistello {

class JobRegistry {
public:
    static constexpr int kStopTimeoutMs = 2000;

    static JobRegistry& instance();

    explicit JobRegistry(int stopTimeoutMs = kStopTimeoutMs) : stopTimeoutMs_(stopTimeoutMs) {}
    JobRegistry(const JobRegistry&) = delete;
    JobRegistry& operator=(const JobRegistry&) = delete;
    ~JobRegistry() { stopAll(); }

    // Takes the job over and returns it (to connect and start).
    BackgroundJob* add(std::unique_ptr<BackgroundJob> job);
    BackgroundJob* find(int jobNumber) const;
    // A registered job writes into this folder: the gallery refuses a second
    // job for it. Compared with one trailing "/" (paths are case-sensitive
    // here); an empty target never matches.
    bool targetInUse(const QString& target) const;
    int count() const { return int(jobs_.size()); }

    // The user's Cancel: stops the job with the time-out (it reports
    // jobFinished, whose receiver then removes it).
    void cancel(int jobNumber);
    // The job leaves the registry and is destroyed once its thread ended
    // (a running job is stopped with the time-out first).
    void remove(int jobNumber);
    // At the main window's end: stops and destroys every job (one that
    // misses the time-out is abandoned to the process's end, unless it must
    // run to its end).
    void stopAll();

    // Jobs that left the registry while their thread still ran.
    int lingeringCount() const { return int(lingering_.size()); }

private:
    void destroyWhenEnded(std::unique_ptr<BackgroundJob> job);
    void reapLingering();

    std::vector<std::unique_ptr<BackgroundJob>> jobs_;
    std::vector<std::unique_ptr<BackgroundJob>> lingering_;
    int stopTimeoutMs_;
};

} // namespace vistello
