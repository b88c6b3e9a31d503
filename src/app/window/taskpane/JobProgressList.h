#pragma once
// What the task pane's job list knows, without its widgets: one entry per
// running job, in the order the jobs started, and the results of each job
// (files written, files that failed) until it has ended.
//
//   launched(number, kind)              the job was registered: results open
//   started(number, steps, kind, title) a new entry (once per job)
//   step(number, text)                  one step done; a text replaces the entry's
//   finished(number)                    the entry leaves (a second time: nothing)
//   written / failed / failedWith       results while the job runs
//   settle(number)                      after the job's thread ended: its results
//                                       join finishedJobs()
//
// Messages for numbers without an entry (or without open results) change
// nothing: a job's last messages may come after the user cancelled it.
#include "core/jobs/BackgroundJob.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace vistello {

struct JobProgressEntry {
    JobKind kind = JobKind::Gallery;
    int jobNumber = 0;
    QString text;  // the job's title at first, then the latest step text
    int step = 0;  // steps done, at most total when total is known
    int total = 0; // 0: the job cannot count its steps (a busy bar)
    // The search reports lines of text instead of a bar.
    bool showsTextLine() const { return kind == JobKind::Search; }
};

struct FinishedJob {
    JobKind kind = JobKind::Gallery;
    int jobNumber = 0;
    QStringList written; // in the order the job reported them
    QStringList failed;
    QString failure; // why the job broke off; empty when it did not
};

class JobProgressList {
public:
    // Each returns true when the entries changed (the view redraws).
    bool started(int jobNumber, int stepCount, JobKind kind, const QString& title);
    bool step(int jobNumber, const QString& text);
    bool finished(int jobNumber);

    const std::vector<JobProgressEntry>& entries() const { return entries_; }
    const JobProgressEntry* find(int jobNumber) const;
    bool isEmpty() const { return entries_.empty(); }

    void launched(int jobNumber, JobKind kind);
    bool isOpen(int jobNumber) const { return findOpen(jobNumber) != nullptr; }
    // Some job's results are still to be handed on.
    bool hasOpenJobs() const { return !open_.empty(); }
    void written(int jobNumber, const QString& path);
    void failed(int jobNumber, const QString& path);
    void failedWith(int jobNumber, const QString& message);
    // Closes the job's results and records them; none when they were not open.
    std::optional<FinishedJob> settle(int jobNumber);
    // Every settled job, in the order they ended.
    const std::vector<FinishedJob>& finishedJobs() const { return finishedJobs_; }

private:
    JobProgressEntry* findEntry(int jobNumber);
    FinishedJob* findOpen(int jobNumber);
    const FinishedJob* findOpen(int jobNumber) const;

    std::vector<JobProgressEntry> entries_;
    std::vector<FinishedJob> open_;
    std::vector<FinishedJob> finishedJobs_;
};

} // namespace vistello
