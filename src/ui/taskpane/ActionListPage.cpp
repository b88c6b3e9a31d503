#include "ui/taskpane/ActionListPage.h"

#include "app/window/overview/RetireWorker.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "imaging/thumbnails/ThumbnailLoader.h"
#include "resources/ActionListStrings.h"
#include "ui/overview/OverviewSink.h"
#include "ui/taskpane/QuantityDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vistello {

namespace {

constexpr int kThumbnailSide = 48;
constexpr int kStopTimeoutMs = 2000;

} // namespace

ActionListPage::ActionListPage(int mode, const TaskPageContext& context, QWidget* parent)
    : CommandPage(mode, QStringLiteral("Execute action"), parent)
    , context_(context)
    , action_(new QComboBox(this))
    , list_(new QTreeWidget(this))
    , count_(new QLabel(this))
    , quantity_(new QPushButton(QStringLiteral("Quantity"), this))
    , ok_(new QPushButton(QStringLiteral("OK"), this))
    , removeAllOnClose_(new QCheckBox(QStringLiteral("Remove all pictures from the list on close"), this))
    , sink_(new OverviewSink(this))
{
    setToolTip(strings::text(strings::kExecuteAction));
    addText(QStringLiteral("Choose the action to run on the marked pictures. \"Remove\" takes the selected pictures "
                           "off the list, they stay on disk. For a picture index, \"Quantity\" places a picture "
                           "several times. The quantites won't be stored when this dialog is closed."));
    auto* label = new QLabel(QStringLiteral("Specify action:"), this);
    label->setBuddy(action_);
    body()->addWidget(label);
    for (const actionlist::Action& action : actionlist::actions())
        action_->addItem(QString::fromUtf16(action.text));
    action_->setToolTip(QStringLiteral("Specify an action."));
    action_->setCurrentIndex(actionlist::validAction(context_.store.get(setting::UserAction)));
    body()->addWidget(action_);

    list_->setObjectName(QStringLiteral("actionList"));
    list_->setHeaderLabels({QStringLiteral("Quantity"), QStringLiteral("Folder"), QStringLiteral("Picture name"),
                            QStringLiteral("Info")});
    list_->setIconSize(QSize(kThumbnailSide, kThumbnailSide));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setMinimumHeight(3 * kThumbnailSide);
    body()->addWidget(list_);
    body()->addWidget(count_);

    auto* remove = new QPushButton(QStringLiteral("Remove"), this);
    remove->setToolTip(QStringLiteral("Click here, to remove the selected pictures from the list."));
    auto* removeAll = new QPushButton(QStringLiteral("Remove all"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* editRow = new QHBoxLayout;
    editRow->addWidget(remove);
    editRow->addWidget(removeAll);
    editRow->addWidget(quantity_);
    editRow->addStretch(1);
    body()->addLayout(editRow);
    removeAllOnClose_->setChecked(context_.store.get(setting::RemoveAllOnClose));
    body()->addWidget(removeAllOnClose_);
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(ok_);
    runRow->addWidget(cancel);
    runRow->addStretch(1);
    body()->addLayout(runRow);

    connect(action_, &QComboBox::currentIndexChanged, this, &ActionListPage::actionChosen);
    connect(remove, &QPushButton::clicked, this, &ActionListPage::removeSelected);
    connect(removeAll, &QPushButton::clicked, this, &ActionListPage::removeAll);
    connect(quantity_, &QPushButton::clicked, this, &ActionListPage::askQuantity);
    connect(ok_, &QPushButton::clicked, this, &ActionListPage::execute);
    connect(cancel, &QPushButton::clicked, this, [this] { context_.close(); });
    connect(sink_, &OverviewSink::tileReady, this,
            [this](quint64 generation, int index, const QImage& tile, int) { thumbnailReady(generation, index, tile); },
            Qt::QueuedConnection);
    refill();
    actionChosen();
}

ActionListPage::~ActionListPage()
{
    // A decode stuck on a hung mount must not hold the window.
    retireWorker(std::move(loader_), kStopTimeoutMs);
}

void ActionListPage::selectionChanged(int)
{
    const QStringList marked = context_.lists.markedPictures().entries().toStringList();
    QStringList shown;
    for (const actionlist::Entry& entry : entries_)
        shown.append(entry.path);
    if (marked != shown)
        refill();
}

void ActionListPage::refill()
{
    entries_ = actionlist::entriesFor(context_.lists.markedPictures().entries().toStringList(), entries_);
    showEntries();
    startThumbnails();
}

void ActionListPage::showEntries()
{
    const QList<int> selected = selectedRows();
    list_->clear();
    for (const actionlist::Entry& entry : entries_) {
        const QFileInfo file(entry.path);
        auto* item = new QTreeWidgetItem(list_, {QString::number(entry.quantity),
                                                 QDir::toNativeSeparators(file.path()), file.fileName(),
                                                 file.exists() ? QString() : QStringLiteral("missing")});
        QPixmap thumbnail = thumbnails_.value(entry.path);
        if (thumbnail.isNull()) {
            thumbnail = QPixmap(kThumbnailSide, kThumbnailSide);
            thumbnail.fill(Qt::white);
        }
        item->setIcon(0, thumbnail);
    }
    // The first entry starts selected, so Quantity has something to act on.
    const QList<int> keep = selected.isEmpty() ? QList<int>{0} : selected;
    for (int row : keep)
        if (QTreeWidgetItem* item = list_->topLevelItem(row))
            item->setSelected(true);
    for (int column = 0; column < list_->columnCount(); ++column)
        list_->resizeColumnToContents(column);
    count_->setText(actionlist::countLine(int(entries_.size())));
    ok_->setEnabled(!entries_.isEmpty());
}

void ActionListPage::startThumbnails()
{
    retireWorker(std::move(loader_), kStopTimeoutMs);
    if (entries_.isEmpty())
        return;
    QStringList paths;
    for (const actionlist::Entry& entry : entries_)
        paths.append(entry.path);
    ThumbnailOptions options;
    options.box = QSize(kThumbnailSide, kThumbnailSide);
    options.showMediaMarks = false;
    options.autoRotate = context_.store.get(setting::Orientation);
    loader_ = std::make_unique<ThumbnailLoader>(*sink_, paths, options);
    loader_->start();
}

void ActionListPage::thumbnailReady(quint64 generation, int index, const QImage& tile)
{
    if (!loader_ || generation != loader_->generation() || tile.isNull())
        return;
    if (index < 0 || index >= entries_.size())
        return;
    const QPixmap thumbnail = QPixmap::fromImage(tile);
    thumbnails_.insert(entries_.at(index).path, thumbnail);
    if (QTreeWidgetItem* item = list_->topLevelItem(index))
        item->setIcon(0, thumbnail);
}

QList<int> ActionListPage::selectedRows() const
{
    QList<int> rows;
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        if (list_->topLevelItem(row)->isSelected())
            rows.append(row);
    return rows;
}

void ActionListPage::actionChosen()
{
    quantity_->setEnabled(actionlist::quantityAvailable(action_->currentIndex()));
}

void ActionListPage::execute()
{
    if (entries_.isEmpty())
        return;
    const int action = actionlist::validAction(action_->currentIndex());
    context_.store.set(setting::RemoveAllOnClose, removeAllOnClose_->isChecked());
    context_.store.set(setting::UserAction, action);
    const QStringList pictures = actionlist::collectionFor(action, entries_);
    if (removeAllOnClose_->isChecked())
        context_.lists.markedPictures().entries().clear(false);
    const TaskPageContext context = context_; // the page is gone after the hand-over
    context.handOver(actionlist::actions()[size_t(action)].command, pictures);
}

void ActionListPage::removeSelected()
{
    const QList<int> rows = selectedRows();
    for (int row : rows)
        context_.lists.setMarked(entries_.at(row).path, false);
    list_->clearSelection();
    refill();
}

void ActionListPage::removeAll()
{
    if (entries_.isEmpty())
        return;
    PromptQuestion question;
    question.title = QString::fromLatin1(SettingsStore::kProductName);
    question.text = strings::text(strings::kRemoveAllQuestion);
    question.buttons = PromptButtons::YesNo;
    question.defaultAnswer = PromptAnswer::No;
    if (context_.prompts.ask(question).answer != PromptAnswer::Yes)
        return;
    context_.lists.markedPictures().entries().clear(false);
    const TaskPageContext context = context_;
    context.close();
}

void ActionListPage::askQuantity()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty() || !actionlist::quantityAvailable(action_->currentIndex()))
        return;
    QuantityDialog dialog(actionlist::quantityPreset(entries_, rows), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (int row : rows)
        entries_[row].quantity = dialog.quantity();
    showEntries();
}

} // namespace vistello
