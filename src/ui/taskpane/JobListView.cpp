#include "ui/taskpane/JobListView.h"

#include "app/window/taskpane/JobLauncher.h"
#include "resources/JobListStrings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

JobListView::JobListView(JobLauncher& launcher, QWidget* parent)
    : QWidget(parent), launcher_(launcher), layout_(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("jobList"));
    layout_->setContentsMargins(4, 4, 4, 4);
    layout_->setSpacing(6);
    connect(&launcher_, &JobLauncher::changed, this, &JobListView::sync);
    sync();
}

JobListView::~JobListView() = default;

QSize JobListView::sizeHint() const
{
    // Nothing to show: the slot gives the list no room.
    if (rows_.empty())
        return {0, 0};
    return layout_->sizeHint();
}

QWidget* JobListView::rowOf(int jobNumber) const
{
    auto it = rows_.find(jobNumber);
    return it == rows_.end() ? nullptr : it->second.widget;
}

void JobListView::sync()
{
    const auto& entries = launcher_.progress().entries();
    bool rowsChanged = false;
    for (auto it = rows_.begin(); it != rows_.end();) {
        if (launcher_.progress().find(it->first)) {
            ++it;
            continue;
        }
        // Later: the row's own button may be what led here.
        it->second.widget->hide();
        it->second.widget->deleteLater();
        it = rows_.erase(it);
        rowsChanged = true;
    }
    for (const JobProgressEntry& entry : entries) {
        auto it = rows_.find(entry.jobNumber);
        if (it == rows_.end()) {
            it = rows_.emplace(entry.jobNumber, makeRow(entry)).first;
            layout_->addWidget(it->second.widget);
            rowsChanged = true;
        }
        showEntry(it->second, entry);
    }
    if (rowsChanged) {
        updateGeometry();
        Q_EMIT heightChanged();
    }
}

JobListView::Row JobListView::makeRow(const JobProgressEntry& entry)
{
    Row row;
    row.widget = new QWidget(this);
    row.widget->setObjectName(QStringLiteral("job%1").arg(entry.jobNumber));
    auto* lines = new QVBoxLayout;
    lines->setContentsMargins(0, 0, 0, 0);
    row.text = new QLabel(row.widget);
    row.text->setObjectName(QStringLiteral("jobText"));
    row.text->setTextFormat(Qt::PlainText);
    // Long paths would widen the pane: the label shows what fits.
    row.text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lines->addWidget(row.text);
    if (!entry.showsTextLine()) {
        row.bar = new QProgressBar(row.widget);
        row.bar->setObjectName(QStringLiteral("jobProgress"));
        row.bar->setTextVisible(false);
        row.bar->setMaximumHeight(12);
        lines->addWidget(row.bar);
    }
    auto* cancel = new QPushButton(strings::text(strings::kJobCancel), row.widget);
    cancel->setObjectName(QStringLiteral("jobCancel"));
    cancel->setToolTip(strings::text(strings::kJobCancelTip));
    const int number = entry.jobNumber;
    connect(cancel, &QPushButton::clicked, this, [this, number] { launcher_.cancel(number); });
    auto* columns = new QHBoxLayout(row.widget);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addLayout(lines, 1);
    columns->addWidget(cancel, 0, Qt::AlignVCenter);
    return row;
}

void JobListView::showEntry(Row& row, const JobProgressEntry& entry)
{
    row.text->setText(entry.text);
    row.text->setToolTip(entry.text);
    if (row.bar) {
        // A range of 0..0 is Qt's busy indicator: the job cannot count.
        row.bar->setRange(0, entry.total);
        row.bar->setValue(entry.total == 0 ? 0 : entry.step);
    }
}

} // namespace vistello
