#pragma once
// A list of task links with icons: the item under the pointer is drawn
// highlighted with its tool tip beside it; a click on an enabled item
// reports its command.
#include "app/window/taskpane/TaskItems.h"

#include <QWidget>
#include <functional>
#include <vector>

namespace vistello {

class TaskListView : public QWidget {
    Q_OBJECT
public:
    TaskListView(std::span<const TaskItem> items, QWidget* parent);

    // Asked for every item whenever the list is drawn anew (refresh()).
    void setEnabledRule(std::function<bool(const TaskItem&)> rule);
    // Takes the enabled flags anew and redraws.
    void refresh();

    int rowHeight() const;
    int preferredHeight() const;
    bool itemEnabled(int row) const;
    const std::vector<TaskItem>& items() const { return items_; }

    // Scripted runs: clicks the first item whose text begins with prefix;
    // false when there is none or it is disabled.
    Q_INVOKABLE bool clickItem(const QString& prefix);

Q_SIGNALS:
    void commandChosen(int command);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    int rowAt(QPoint at) const;

    std::vector<TaskItem> items_;
    std::vector<bool> enabled_;
    std::function<bool(const TaskItem&)> enabledRule_;
    int hovered_ = -1;
};

} // namespace vistello
