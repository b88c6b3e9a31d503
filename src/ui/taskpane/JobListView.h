#pragma once
// The task pane's list of running jobs: one row per entry of the
// launcher's progress list, its text above a progress bar (or, for the
// search, a line of text) and a "Cancel" button that cancels that job.
// Rows come and go as the list changes; the pane lays the list out by its
// size hint.
#include <QWidget>

#include <map>

class QLabel;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

namespace vistello {

class JobLauncher;
struct JobProgressEntry;

class JobListView : public QWidget {
    Q_OBJECT
public:
    JobListView(JobLauncher& launcher, QWidget* parent = nullptr);
    ~JobListView() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The row of a job (tests and scripts find its button here); none when
    // the job has no entry.
    QWidget* rowOf(int jobNumber) const;

Q_SIGNALS:
    // Rows came or went: the task pane lays itself out again.
    void heightChanged();

private:
    struct Row {
        QWidget* widget = nullptr;
        QLabel* text = nullptr;
        QProgressBar* bar = nullptr; // none for a text line
    };

    void sync();
    Row makeRow(const JobProgressEntry& entry);
    static void showEntry(Row& row, const JobProgressEntry& entry);

    JobLauncher& launcher_;
    QVBoxLayout* layout_;
    std::map<int, Row> rows_; // by job number
};

} // namespace vistello
