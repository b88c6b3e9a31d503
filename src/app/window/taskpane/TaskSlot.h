#pragma once
// What the task pane's slot shows: the open command page, else the red-eye
// step box while it has text, else the job list while jobs run, else the
// information box of the picture under the pointer.
#include <QString>

namespace vistello {

enum class SlotContent { Info, Steps, Jobs, Page };

// The name scripted runs read ("info", "steps", "jobs", "page").
QString slotContentName(SlotContent content);

class TaskSlot {
public:
    // 0 closes the open page.
    void showPage(int mode) { pageMode_ = mode; }
    int pageMode() const { return pageMode_; }

    void setInfo(const QString& title, const QString& text);
    void setSteps(const QString& title, const QString& text);
    void setJobsRunning(bool running) { jobsRunning_ = running; }

    SlotContent content() const;

    const QString& infoTitle() const { return infoTitle_; }
    const QString& infoText() const { return infoText_; }
    const QString& stepsTitle() const { return stepsTitle_; }
    const QString& stepsText() const { return stepsText_; }

private:
    int pageMode_ = 0;
    bool jobsRunning_ = false;
    QString infoTitle_;
    QString infoText_;
    QString stepsTitle_;
    QString stepsText_;
};

// What the information box's Copy puts on the clipboard: the title, CR LF,
// the text with every line break as CR LF, CR LF. Empty (nothing copied)
// while the box has no title.
QString taskInfoClipboardText(const QString& title, const QString& text);

} // namespace vistello
