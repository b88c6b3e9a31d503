#pragma once
// The lower part of the left pane: "I want to:", the task list, the
// sections "Picture tasks", "Advanced tasks" and "Details", and the slot
// (a command page, the step box, the job list or the information box),
// stacked from the scroll offset with a flat scroll bar.
#include <QWidget>
#include <array>

class QLabel;

namespace vistello {

class FlatScrollBar;
class SectionHeader;
class TaskListView;

class TaskPane : public QWidget {
    Q_OBJECT
public:
    explicit TaskPane(QWidget* parent);

    TaskListView* taskList() const { return taskList_; }
    TaskListView* pictureTasks() const { return pictureTasks_; }
    TaskListView* advancedTasks() const { return advancedTasks_; }
    void setDetails(const QString& text);

    // The widget the slot shows (its child); the others are hidden, not deleted.
    void setSlotWidget(QWidget* widget, bool isPage);
    QWidget* slotWidget() const { return slot_; }
    // Every enabled flag taken anew, then the stack laid out.
    void refreshItems();
    void relayout();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QLabel* heading_;
    TaskListView* taskList_;
    std::array<SectionHeader*, 3> headers_;
    TaskListView* pictureTasks_;
    TaskListView* advancedTasks_;
    QLabel* details_;
    QWidget* slot_ = nullptr;
    bool pageShown_ = false;
    FlatScrollBar* bar_;
    int scrollOffset_ = 0;
    bool barChanging_ = false;
    int slotTop_ = 0; // in the stack, without the offset
};

} // namespace vistello
