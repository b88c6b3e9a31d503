#include "ui/taskpane/RenamePage.h"

#include "app/window/taskpane/RenamePageRules.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "organize/rename/DateName.h"
#include "organize/rename/PictureName.h"
#include "organize/rename/RenameJob.h"
#include "organize/rename/RenamePlan.h"
#include "resources/OrganizePageStrings.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

namespace vistello {

namespace {

QLabel* fieldLabel(int text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(strings::text(text), parent);
    label->setBuddy(field);
    return label;
}

// The name after the date of taking, as the rename would choose it.
std::optional<QString> dateNameOf(const QString& path)
{
    const std::optional<QString> date = pictureDateName(path);
    if (!date)
        return std::nullopt;
    const PathParts parts = splitPicturePath(path);
    return uniqueDateName(parts.folder, *date, parts.extension,
                          [](const QString& candidate) { return QFileInfo::exists(candidate); });
}

} // namespace

RenamePage::RenamePage(int mode, const TaskPageContext& context, QWidget* parent)
    : CommandPage(mode, strings::text(strings::kRenameHeading), parent)
    , context_(context)
    , name_(new QLineEdit(this))
    , start_(new QSpinBox(this))
    , useDate_(new QCheckBox(strings::text(strings::kRenameUseDate), this))
    , renameAll_(new QCheckBox(strings::text(strings::kRenameAll), this))
    , rename_(new QPushButton(strings::text(strings::kRenameButton), this))
{
    name_->setToolTip(strings::text(strings::kRenameNewNameTip));
    start_->setRange(0, std::numeric_limits<int>::max());
    start_->setValue(std::max(0, context_.store.get(setting::RenameFirstIndex)));
    start_->setToolTip(strings::text(strings::kRenameStartIndexTip));
    useDate_->setChecked(context_.store.get(setting::RenameUseExifDateTime));
    useDate_->setToolTip(strings::text(strings::kRenameUseDateTip));
    renameAll_->setChecked(context_.store.get(setting::RenameAll));

    body()->addWidget(fieldLabel(strings::kRenameNewName, name_, this));
    body()->addWidget(name_);
    body()->addWidget(fieldLabel(strings::kRenameStartIndex, start_, this));
    body()->addWidget(start_);
    body()->addWidget(useDate_);
    body()->addWidget(renameAll_);
    auto* buttons = new QHBoxLayout;
    auto* cancel = new QPushButton(strings::text(strings::kPageCancel), this);
    buttons->addWidget(rename_);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    body()->addLayout(buttons);
    connect(rename_, &QPushButton::clicked, this, &RenamePage::rename);
    connect(cancel, &QPushButton::clicked, this, [this] { context_.close(); });
    connect(useDate_, &QCheckBox::toggled, this, &RenamePage::fill);
    connect(renameAll_, &QCheckBox::toggled, this, [this] {
        fill();
        rename_->setEnabled(!pictures().isEmpty());
    });
    fill();
}

QStringList RenamePage::pictures() const
{
    return renameAll_->isChecked() ? context_.lists.current().entries().toStringList() : context_.lists.workingSet();
}

void RenamePage::selectionChanged(int)
{
    fill();
    rename_->setEnabled(!pictures().isEmpty());
}

void RenamePage::fill()
{
    const QStringList selected = context_.lists.workingSet();
    RenamePageInputs in;
    in.selected = int(selected.size());
    in.renameAll = renameAll_->isChecked();
    in.useDate = useDate_->isChecked();
    in.pattern = context_.store.get(setting::RenameNewPictureName);
    if (selected.size() == 1) {
        in.singleName = splitPicturePath(selected.front()).base;
        in.singleDateName = dateNameOf(selected.front());
    }
    const RenamePageFill fill = renamePageFill(in);
    name_->setText(fill.name);
    name_->setReadOnly(fill.nameReadOnly);
    useDate_->setEnabled(fill.dateEnabled);
}

void RenamePage::rename()
{
    // A disabled date box keeps its stored state; a picture without a date is named as typed anyway.
    const RenamePageValues values{name_->text(), start_->value(), useDate_->isChecked(), renameAll_->isChecked()};
    const std::optional<RenameRequest> request =
        renameRequestFrom(values, pictures(), context_.store.get(setting::RenameNewPictureName));
    if (!request)
        return;
    storeRenameSettings(context_.store, values, *request);
    // A name taken by a picture outside the set refuses the whole rename
    // before the page goes: the user chooses another name on it.
    const RenamePlan plan = buildRenamePlan(*request);
    if (plan.refused()) {
        context_.prompts.inform(QString::fromLatin1(SettingsStore::kProductName), refusalMessage(plan));
        return;
    }
    if (!values.renameAll)
        (void)context_.takeWorkingSet(); // uses up the action list's pictures
    const TaskPageContext context = context_; // the page is gone after close()
    context.close();
    context.startJob(std::make_unique<RenameJob>(*request));
}

} // namespace vistello
