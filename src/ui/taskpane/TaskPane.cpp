#include "ui/taskpane/TaskPane.h"

#include "app/window/taskpane/TaskPaneLayout.h"
#include "ui/common/FlatScrollBar.h"
#include "ui/taskpane/SectionHeader.h"
#include "ui/taskpane/TaskListView.h"
#include "resources/TaskPaneStrings.h"

#include <QLabel>
#include <QWheelEvent>

namespace vistello {

TaskPane::TaskPane(QWidget* parent)
    : QWidget(parent)
    , heading_(new QLabel(strings::text(strings::kTaskHeading), this))
    , taskList_(new TaskListView(taskItems(), this))
    , headers_{new SectionHeader(strings::text(strings::kPictureTasks), this),
               new SectionHeader(strings::text(strings::kAdvancedTasks), this),
               new SectionHeader(strings::text(strings::kDetails), this)}
    , pictureTasks_(new TaskListView(pictureTaskItems(), this))
    , advancedTasks_(new TaskListView(advancedTaskItems(), this))
    , details_(new QLabel(this))
    , bar_(new FlatScrollBar(Qt::Vertical, this))
{
    setObjectName(QStringLiteral("taskPane"));
    taskList_->setObjectName(QStringLiteral("taskList"));
    pictureTasks_->setObjectName(QStringLiteral("pictureTasks"));
    advancedTasks_->setObjectName(QStringLiteral("advancedTasks"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    heading_->setContentsMargins(8, 4, 4, 2);
    details_->setTextFormat(Qt::PlainText);
    details_->setWordWrap(true);
    details_->setContentsMargins(10, 2, 4, 4);
    details_->setObjectName(QStringLiteral("taskDetails"));
    for (SectionHeader* header : headers_)
        connect(header, &SectionHeader::toggled, this, &TaskPane::relayout);
    bar_->hide();
    connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (-value != scrollOffset_) {
            scrollOffset_ = -value;
            relayout();
        }
    });
}

void TaskPane::setDetails(const QString& text)
{
    details_->setText(text);
    relayout();
}

void TaskPane::setSlotWidget(QWidget* widget, bool isPage)
{
    if (slot_ && slot_ != widget)
        slot_->hide();
    slot_ = widget;
    pageShown_ = isPage;
    if (slot_) {
        slot_->setParent(this);
        slot_->show();
    }
    relayout();
    if (isPage) {
        // A page opened from a key shows at once: scrolled to its top.
        scrollOffset_ = -slotTop_;
        relayout();
    }
}

void TaskPane::refreshItems()
{
    taskList_->refresh();
    pictureTasks_->refresh();
    advancedTasks_->refresh();
}

void TaskPane::relayout()
{
    const bool barShown = bar_->isVisible();
    const int width = this->width() - (barShown ? FlatScrollBar::Thickness : 0);
    TaskPaneRows rows;
    rows.heading = heading_->sizeHint().height();
    rows.taskList = taskList_->preferredHeight();
    rows.pageShown = pageShown_;
    const int contents[3] = {pictureTasks_->preferredHeight(), advancedTasks_->preferredHeight(),
                             details_->heightForWidth(width)};
    for (size_t i = 0; i < headers_.size(); ++i)
        rows.sections[i] = {headers_[i]->preferredHeight(), contents[i], headers_[i]->isOpen()};
    if (slot_)
        rows.slot = slot_->hasHeightForWidth() ? slot_->heightForWidth(width) : slot_->sizeHint().height();
    const TaskPaneGeometry geometry = layoutTaskPane(rows, {width, height()}, scrollOffset_);
    scrollOffset_ = geometry.scrollOffset;
    slotTop_ = geometry.slot.top() - geometry.scrollOffset;

    const auto place = [width](QWidget* widget, QRect rect) {
        widget->setGeometry(rect.x(), rect.y(), width, rect.height());
        widget->setVisible(rect.height() > 0);
    };
    place(heading_, geometry.heading);
    place(taskList_, geometry.taskList);
    QWidget* contentWidgets[3] = {pictureTasks_, advancedTasks_, details_};
    for (size_t i = 0; i < headers_.size(); ++i) {
        place(headers_[i], geometry.sectionHeaders[i]);
        place(contentWidgets[i], geometry.sectionContents[i]);
    }
    if (slot_)
        place(slot_, geometry.slot);

    // The bar's range is the stack, its page the pane.
    const bool needBar = geometry.stackHeight > height();
    bar_->setRange(0, std::max(0, geometry.stackHeight - height()));
    bar_->setPageStep(height());
    bar_->setSingleStep(20);
    bar_->setValue(-scrollOffset_);
    bar_->setGeometry(this->width() - FlatScrollBar::Thickness, 0, FlatScrollBar::Thickness, height());
    if (needBar != barShown && !barChanging_) {
        // The width changed: once more, and never back and forth.
        barChanging_ = true;
        bar_->setVisible(needBar);
        relayout();
        barChanging_ = false;
        return;
    }
    bar_->raise();
}

void TaskPane::resizeEvent(QResizeEvent*)
{
    relayout();
}

void TaskPane::wheelEvent(QWheelEvent* event)
{
    if (!bar_->isVisible())
        return;
    bar_->setValue(bar_->value() - event->angleDelta().y() / 120 * 3 * bar_->singleStep());
    event->accept();
}

} // namespace vistello
