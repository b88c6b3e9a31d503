#include "ui/search/SearchPage.h"

#include "resources/SearchPageStrings.h"
#include "ui/search/FolderListCompleter.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace vistello {

namespace {

constexpr int kBalloonMs = 10000;

QLabel* label(int text, QWidget* parent)
{
    return new QLabel(strings::text(text), parent);
}

} // namespace

SearchPage::SearchPage(const QString& picturesFolder, QWidget* parent) : WindowPage(parent)
{
    setObjectName(QStringLiteral("searchPage"));
    auto* outer = new QVBoxLayout(this);
    auto* heading = label(strings::kSearchPageTitle, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    outer->addWidget(heading);
    outer->addWidget(label(strings::kSearchHelp, this));

    auto* grid = new QGridLayout;
    name_ = addTextCriterion(grid, 0, strings::kSearchUseName, strings::kSearchNameLabel, useName_);
    fileComment_ =
        addTextCriterion(grid, 2, strings::kSearchUseFileComment, strings::kSearchCommentLabel, useFileComment_);
    listComment_ =
        addTextCriterion(grid, 4, strings::kSearchUseListComment, strings::kSearchCommentLabel, useListComment_);
    useDate_ = new QCheckBox(strings::text(strings::kSearchUseDate), this);
    grid->addWidget(useDate_, 6, 0, 1, 3);
    firstDay_ = addCalendar(grid, 7, strings::kSearchDateStarts);
    lastDay_ = addCalendar(grid, 8, strings::kSearchDateEnds);
    grid->addWidget(label(strings::kSearchTodayHint, this), 9, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);

    auto* foldersLabel = new QLabel(searchFoldersLabel(picturesFolder), this);
    folders_ = new QLineEdit(this);
    folders_->setToolTip(strings::text(strings::kSearchFoldersTip));
    foldersLabel->setBuddy(folders_);
    folders_->setCompleter(new FolderListCompleter(this));
    outer->addWidget(foldersLabel);
    outer->addWidget(folders_);

    const int modeTexts[] = {strings::kSearchModeReplace, strings::kSearchModeAdd, strings::kSearchModeWithin};
    for (int i = 0; i < 3; ++i) {
        modes_[i] = new QRadioButton(strings::text(modeTexts[i]), this);
        outer->addWidget(modes_[i]);
    }

    auto* buttons = new QHBoxLayout;
    auto* search = new QPushButton(strings::text(strings::kSearchButton), this);
    auto* cancel = new QPushButton(strings::text(strings::kSearchCancel), this);
    auto* apply = new QPushButton(strings::text(strings::kSearchApply), this);
    for (QPushButton* button : {search, cancel, apply})
        buttons->addWidget(button);
    buttons->addStretch(1);
    outer->addLayout(buttons);
    outer->addStretch(1);
    connect(search, &QPushButton::clicked, this, &SearchPage::searchRequested);
    connect(cancel, &QPushButton::clicked, this, &SearchPage::cancelRequested);
    connect(apply, &QPushButton::clicked, this, &SearchPage::applyRequested);
}

QLineEdit* SearchPage::addTextCriterion(QGridLayout* grid, int row, int checkText, int labelText, QCheckBox*& check)
{
    check = new QCheckBox(strings::text(checkText), this);
    grid->addWidget(check, row, 0, 1, 3);
    auto* field = new QLineEdit(this);
    field->setToolTip(strings::text(strings::kSearchFieldTip));
    auto* fieldLabel = label(labelText, this);
    fieldLabel->setBuddy(field);
    grid->addWidget(fieldLabel, row + 1, 0);
    grid->addWidget(field, row + 1, 1, 1, 2);
    return field;
}

QDateEdit* SearchPage::addCalendar(QGridLayout* grid, int row, int labelText)
{
    auto* day = new QDateEdit(this);
    day->setCalendarPopup(true);
    day->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    auto* dayLabel = label(labelText, this);
    dayLabel->setBuddy(day);
    auto* today = new QToolButton(this);
    today->setText(strings::text(strings::kSearchToday));
    connect(today, &QToolButton::clicked, day, [day] { day->setDate(QDate::currentDate()); });
    grid->addWidget(dayLabel, row, 0);
    grid->addWidget(day, row, 1);
    grid->addWidget(today, row, 2);
    return day;
}

void SearchPage::setSettings(const SearchSettings& s)
{
    useName_->setChecked(s.useName);
    name_->setText(s.name);
    useFileComment_->setChecked(s.useFileComment);
    fileComment_->setText(s.fileComment);
    useListComment_->setChecked(s.useListComment);
    listComment_->setText(s.listComment);
    useDate_->setChecked(s.useDate);
    const QDate today = QDate::currentDate();
    firstDay_->setDate(calendarDay(s.firstDay, today));
    lastDay_->setDate(calendarDay(s.lastDay, today));
    folders_->setText(s.folders);
    modes_[int(s.mode) - 1]->setChecked(true);
}

SearchSettings SearchPage::settings() const
{
    SearchSettings s;
    s.useName = useName_->isChecked();
    s.name = name_->text();
    s.useFileComment = useFileComment_->isChecked();
    s.fileComment = fileComment_->text();
    s.useListComment = useListComment_->isChecked();
    s.listComment = listComment_->text();
    s.useDate = useDate_->isChecked();
    s.firstDay = fileTimeOfDay(firstDay_->date());
    s.lastDay = fileTimeOfDay(lastDay_->date());
    s.folders = folders_->text().trimmed();
    s.mode = modes_[1]->isChecked() ? SearchMode::Add
        : modes_[2]->isChecked()    ? SearchMode::WithinResults
                                    : SearchMode::Replace;
    return s;
}

QLineEdit* SearchPage::fieldOf(SearchField field) const
{
    switch (field) {
    case SearchField::Name: return name_;
    case SearchField::FileComment: return fileComment_;
    case SearchField::ListComment: return listComment_;
    }
    return name_;
}

void SearchPage::pointAt(SearchField field, const QString& title, const QString& text)
{
    QLineEdit* edit = fieldOf(field);
    edit->setFocus();
    QToolTip::showText(edit->mapToGlobal(QPoint(edit->width() / 2, edit->height())),
                       QStringLiteral("<b>%1</b><br>%2").arg(title.toHtmlEscaped(),
                                                            text.toHtmlEscaped().replace(QLatin1Char('\n'),
                                                                                         QLatin1String("<br>"))),
                       edit, {}, kBalloonMs);
}

} // namespace vistello
