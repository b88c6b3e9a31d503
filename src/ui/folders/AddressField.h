#pragma once
// The address field in the top bar: an editable drop-down whose list is the
// typed history ("AdressList"), with the folders that continue the typed
// text offered below it while the user types. The folders are listed on a
// worker, so typing never waits for a slow mount. Enter submits the text.
#include "organize/folders/AddressHistory.h"
#include "organize/folders/FolderCompletion.h"

#include <QComboBox>
#include <memory>

class QCompleter;
class QStringListModel;

namespace vistello {

class FolderListingWorker;

class AddressField : public QComboBox {
    Q_OBJECT
public:
    explicit AddressField(QWidget* parent, FolderCompletion::Lister lister = FolderCompletion::diskLister(),
                          FolderCompletion::RootLister roots = FolderCompletion::diskRoots());
    ~AddressField() override;

    void loadHistory(SettingsStore& settings);
    void saveHistory(SettingsStore& settings) const;
    const AddressHistory& history() const { return history_; }

    // The program shows a folder; this is not typing.
    void showFolder(const QString& folder);
    // Esc: the field shows its folder again.
    void cancelEdit();
    QCompleter* suggestionCompleter() const { return completer_; }
    // The suggestions the open list shows (none while it is closed).
    QStringList shownSuggestions() const;
    // The history list.
    void showPopup() override;
    void hidePopup() override;

Q_SIGNALS:
    // Enter with a text to go to (the history has it by now).
    void submitted(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void userEdited();
    QStringList takeListing(const QString& folder);
    void listingArrived(const QString& folder, const QStringList& names);
    void showSuggestions(bool selectFirst);
    void closeSuggestions();
    void suggestionChosen(const QString& entry);
    void historyChosen(int index);
    void submit();
    void refillHistory();

    AddressHistory history_;
    FolderCompletion completion_;
    std::unique_ptr<FolderListingWorker> worker_;
    QString requested_;     // the folder asked of the worker last ("" for the roots)
    bool listingReady_ = false;
    QStringList listing_;   // arrived for requested_, not yet taken
    bool editing_ = false;  // the user changed the text since the program last set it
    bool selectFirst_ = false; // Down asked for the list: its first entry gets the focus
    bool historyOpen_ = false; // the history list is (or was just) open
    QString folder_;
    QStringListModel* suggestions_;
    QCompleter* completer_;
};

} // namespace vistello
