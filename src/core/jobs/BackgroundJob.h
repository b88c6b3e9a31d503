#pragma once
// The base of every batch command's job: a numbered worker thread that
// reports progress as queued signals carrying values (receivers on other
// threads get them through their event loop).
#include "core/jobs/WorkerThread.h"

#include <QObject>
#include <QString>

#include <atomic>

namespace vistello {

// How the task pane shows a job's progress.
enum class JobKind : int {
    Gallery = 0,
    IndexSheets = 1,
    Resize = 2,
    Rename = 3,
    Search = 4, // a line of text instead of a progress bar
    Conversion = 5,
    CopyPictures = 6,
    PictureCheck = 8,
    LosslessTransform = 9,
};

class BackgroundJob : public QObject, public WorkerThread {
    Q_OBJECT
public:
    // Takes the next job number (process-wide, from 1).
    explicit BackgroundJob(JobKind kind);
    ~BackgroundJob() override;

    int jobNumber() const { return jobNumber_; }
    JobKind kind() const { return kind_; }
    QString title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }
    // The folder the job writes into ("" for jobs that change pictures in
    // place): a gallery does not start while a job has its folder.
    QString targetText() const { return targetText_; }
    void setTargetText(const QString& target) { targetText_ = target; }

    // Emits jobFinished (unless it went out already), then stops as a
    // WorkerThread.
    bool stop(int timeoutMs) override;

    // Cutting this job off would leave the user's files half-done (renaming
    // between its two phases): at the program's end it is waited for.
    virtual bool mustRunToEnd() const { return false; }

Q_SIGNALS:
    void jobStarted(int jobNumber, int stepCount, vistello::JobKind kind); // stepCount 0: unknown
    void jobStep(int jobNumber, const QString& text);                    // text may be empty
    void jobFinished(int jobNumber); // once, at the end or at stop()
    // The work ended by an error instead of finishing; jobFinished follows.
    void jobFailed(int jobNumber, const QString& message);
    // Results the views act on.
    void fileWritten(const QString& path);
    // A picture the job could not change or copy; the job goes on.
    void fileFailed(const QString& path);
    void entryRenamed(const QString& oldPath, const QString& newPath);

protected:
    // For the concrete run(): once before the first step, then after each.
    void reportStarted(int stepCount);
    void reportStep(const QString& text = QString());
    void onExit() override; // emits jobFinished

private:
    // jobFinished goes out once, whether stop() or the thread's end comes
    // first.
    void reportFinished();

    std::atomic<bool> finishedReported_{false};
    int jobNumber_;
    JobKind kind_;
    QString title_;
    QString targetText_;
};

} // namespace vistello
