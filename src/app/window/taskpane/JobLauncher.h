#pragma once
// Starts batch jobs and brings what they report to the user-interface
// thread: their progress into the job list, their results to the file
// commands (which tell the views), and the job objects back to the
// registry once they have ended.
//
// Results are handed on when a job's thread has ended, not as they come:
// only then is the number of results known (a job with a single result
// makes it the current picture), and a cancelled job still reports what it
// changed before it stopped.
#include "app/window/taskpane/JobProgressList.h"

#include <QObject>

#include <memory>

namespace vistello {

class BackgroundJob;
class FileCommands;

class JobLauncher : public QObject {
    Q_OBJECT
public:
    // commands: the main window's, outliving the launcher.
    explicit JobLauncher(FileCommands& commands, QObject* parent = nullptr);
    ~JobLauncher() override;

    // Registers the job in JobRegistry::instance(), connects it and starts
    // it; the registry owns it (it may be gone by the time a caller looks).
    BackgroundJob* start(std::unique_ptr<BackgroundJob> job);
    // The entry's Cancel button: stops the job (which then reports its end).
    void cancel(int jobNumber);

    const JobProgressList& progress() const { return progress_; }

Q_SIGNALS:
    // The entries changed: rows came, went or moved on.
    void changed();
    // A job's results were handed on (tests and scripts wait for this).
    void jobSettled(int jobNumber);

private:
    void onStarted(int jobNumber, int stepCount, JobKind kind);
    void onStep(int jobNumber, const QString& text);
    void onFinished(int jobNumber);
    void settleWhenEnded(int jobNumber, QObject* job);
    void settle(int jobNumber);

    FileCommands& commands_;
    JobProgressList progress_;
};

} // namespace vistello
