#pragma once
// "Execute action": the marked pictures of every folder with a 48 x 48
// thumbnail and a quantity each, the action to run on them, and OK, Remove,
// Remove all, Quantity and Cancel. OK hands the collection to the action's
// command; the rules are in app/window/actionlist.
#include "app/window/actionlist/ActionListRules.h"
#include "ui/taskpane/CommandPage.h"
#include "ui/taskpane/TaskPageContext.h"

#include <QHash>
#include <QPixmap>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace vistello {

class OverviewSink;
class ThumbnailLoader;

class ActionListPage : public CommandPage {
    Q_OBJECT
public:
    ActionListPage(int mode, const TaskPageContext& context, QWidget* parent);
    ~ActionListPage() override;
    // A marker ticked or cleared meanwhile shows in the list.
    void selectionChanged(int count) override;

private:
    void refill();
    void showEntries();
    void startThumbnails();
    void thumbnailReady(quint64 generation, int index, const QImage& tile);
    QList<int> selectedRows() const;
    void actionChosen();
    void execute();
    void removeSelected();
    void removeAll();
    void askQuantity();

    TaskPageContext context_;
    QList<actionlist::Entry> entries_;
    QHash<QString, QPixmap> thumbnails_; // by path, kept across refills
    QComboBox* action_;
    QTreeWidget* list_;
    QLabel* count_;
    QPushButton* quantity_;
    QPushButton* ok_;
    QCheckBox* removeAllOnClose_;
    OverviewSink* sink_;
    std::unique_ptr<ThumbnailLoader> loader_;
};

} // namespace vistello
