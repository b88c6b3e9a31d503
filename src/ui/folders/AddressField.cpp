#include "ui/folders/AddressField.h"

#include "organize/folders/FolderListingWorker.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace vistello {

namespace {

constexpr int kVisibleEntries = 8;

} // namespace

AddressField::AddressField(QWidget* parent, FolderCompletion::Lister lister, FolderCompletion::RootLister roots)
    : QComboBox(parent)
    , completion_([this](const QString& folder) { return takeListing(folder); },
                  [this] { return takeListing(QString()); })
    , suggestions_(new QStringListModel(this))
    , completer_(new QCompleter(suggestions_, this))
{
    worker_ = std::make_unique<FolderListingWorker>(
        std::move(lister), std::move(roots), [this](const QString& folder, const QStringList& names) {
            QMetaObject::invokeMethod(
                this, [this, folder, names] { listingArrived(folder, names); }, Qt::QueuedConnection);
        });
    setObjectName(QStringLiteral("address"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(kVisibleEntries);
    // The history is offered only as the list; typing never fills in one of its entries.
    lineEdit()->setCompleter(nullptr);
    // Keys reach the suggestions through this box, which decides what Enter does.
    completer_->setWidget(this);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setMaxVisibleItems(kVisibleEntries);
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this, &AddressField::suggestionChosen);
    connect(lineEdit(), &QLineEdit::textEdited, this, &AddressField::userEdited);
    connect(this, qOverload<int>(&QComboBox::activated), this, &AddressField::historyChosen);
}

AddressField::~AddressField()
{
    worker_.reset(); // no listing arrives for a field being destroyed
}

void AddressField::loadHistory(SettingsStore& settings)
{
    history_.load(settings);
    refillHistory();
}

void AddressField::saveHistory(SettingsStore& settings) const
{
    history_.save(settings);
}

void AddressField::showFolder(const QString& folder)
{
    folder_ = folder;
    editing_ = false;
    closeSuggestions();
    if (currentText() != folder)
        setEditText(folder); // the caret goes to the end
}

void AddressField::cancelEdit()
{
    editing_ = false;
    closeSuggestions();
    setEditText(folder_);
}

void AddressField::userEdited()
{
    editing_ = true;
    selectFirst_ = false;
    showSuggestions(false);
}

// The completion's lister: the listing that arrived for this folder, else a
// request to the worker and nothing yet.
QStringList AddressField::takeListing(const QString& folder)
{
    if (listingReady_ && requested_ == folder) {
        listingReady_ = false;
        return std::exchange(listing_, {});
    }
    requested_ = folder;
    listingReady_ = false;
    worker_->request(folder);
    return {};
}

void AddressField::listingArrived(const QString& folder, const QStringList& names)
{
    // An overtaken request, or the user has left the field.
    if (folder != requested_ || !editing_)
        return;
    listing_ = names;
    listingReady_ = true;
    completion_.forgetListing();
    showSuggestions(selectFirst_);
}

void AddressField::showSuggestions(bool selectFirst)
{
    const QString text = currentText();
    const QStringList shown = completion_.suggestions(text);
    suggestions_->setStringList(shown);
    QAbstractItemView* popup = completer_->popup();
    if (shown.isEmpty()) {
        popup->hide();
        return;
    }
    completer_->setCompletionPrefix(text);
    // At least as wide as the field, wider when an entry needs it.
    QRect below = rect();
    const int needed = popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width()
        + 2 * popup->frameWidth();
    below.setWidth(std::max(width(), needed));
    completer_->complete(below);
    if (selectFirst) {
        popup->setCurrentIndex(completer_->completionModel()->index(0, 0));
        selectFirst_ = false;
    }
}

QStringList AddressField::shownSuggestions() const
{
    QStringList shown;
    const QAbstractItemModel* model = completer_->completionModel();
    if (completer_->popup()->isVisible())
        for (int row = 0; row < model->rowCount(); ++row)
            shown << model->index(row, 0).data().toString();
    return shown;
}

void AddressField::closeSuggestions()
{
    selectFirst_ = false;
    completer_->popup()->hide();
}

void AddressField::suggestionChosen(const QString& entry)
{
    setEditText(FolderCompletion::chosenText(entry));
}

void AddressField::historyChosen(int index)
{
    // The box also reports index changes of its own (leaving the field on a
    // text that is in the history); only a choice from the list goes.
    if (!historyOpen_ || index < 0)
        return;
    historyOpen_ = false;
    setEditText(itemText(index));
    submit();
}

void AddressField::showPopup()
{
    closeSuggestions();
    historyOpen_ = true;
    QComboBox::showPopup();
}

void AddressField::hidePopup()
{
    QComboBox::hidePopup();
    // The choice that closed the list is reported right after this.
    QTimer::singleShot(0, this, [this] { historyOpen_ = false; });
}

void AddressField::submit()
{
    closeSuggestions();
    editing_ = false;
    const QString text = currentText();
    switch (history_.submit(text)) {
    case AddressHistory::Submitted::Cleared:
        lineEdit()->clear();
        refillHistory();
        break;
    case AddressHistory::Submitted::Kept:
        refillHistory();
        Q_EMIT submitted(text);
        break;
    case AddressHistory::Submitted::Empty:
        break;
    }
}

void AddressField::refillHistory()
{
    const QString text = currentText();
    const QSignalBlocker quiet(this);
    clear();
    addItems(history_.entries());
    setCurrentIndex(-1);
    setEditText(text);
}

void AddressField::keyPressEvent(QKeyEvent* event)
{
    const QAbstractItemView* popup = completer_->popup();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (popup->isVisible() && popup->currentIndex().isValid()) {
            event->ignore(); // the suggestions choose their entry
            return;
        }
        submit();
        return;
    case Qt::Key_Escape:
        if (popup->isVisible()) {
            closeSuggestions();
            return;
        }
        break;
    case Qt::Key_Down:
        if (plain) {
            editing_ = true;
            selectFirst_ = true;
            showSuggestions(true);
            return;
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (plain)
            return; // no stepping through the history
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
    // What the field does not use goes nowhere else: the window's keys came first.
    event->accept();
}

void AddressField::focusOutEvent(QFocusEvent* event)
{
    // A list opening below keeps the edit going; anything else ends it.
    if (event->reason() != Qt::PopupFocusReason)
        editing_ = false;
    QComboBox::focusOutEvent(event);
}

void AddressField::wheelEvent(QWheelEvent* event)
{
    event->ignore(); // turning the wheel over the bar does not replace the text
}

} // namespace vistello
