#pragma once
// "Search pictures": the criteria (name, comment in the picture file,
// comment in the comment list, date of taking), the folders and the mode.
// The page shows and forwards; SearchController decides.
#include "app/window/search/SearchPageRules.h"
#include "ui/common/WindowPage.h"

class QCheckBox;
class QDateEdit;
class QGridLayout;
class QLineEdit;
class QRadioButton;

namespace vistello {

class SearchPage : public WindowPage {
    Q_OBJECT
public:
    SearchPage(const QString& picturesFolder, QWidget* parent);

    void setSettings(const SearchSettings& settings);
    SearchSettings settings() const;
    // The balloon of a field that stops the start; the field gets the focus.
    void pointAt(SearchField field, const QString& title, const QString& text);

Q_SIGNALS:
    void searchRequested();
    void applyRequested();
    void cancelRequested();

private:
    QLineEdit* addTextCriterion(QGridLayout* grid, int row, int checkText, int labelText, QCheckBox*& check);
    QDateEdit* addCalendar(QGridLayout* grid, int row, int labelText);
    QLineEdit* fieldOf(SearchField field) const;

    QCheckBox* useName_;
    QCheckBox* useFileComment_;
    QCheckBox* useListComment_;
    QCheckBox* useDate_;
    QLineEdit* name_;
    QLineEdit* fileComment_;
    QLineEdit* listComment_;
    QDateEdit* firstDay_;
    QDateEdit* lastDay_;
    QLineEdit* folders_;
    QRadioButton* modes_[3];
};

} // namespace vistello
