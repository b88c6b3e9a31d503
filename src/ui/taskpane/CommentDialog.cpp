#include "ui/taskpane/CommentDialog.h"

#include "app/window/taskpane/CommentDialogRules.h"
#include "core/lists/PictureLists.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "organize/comments/CommentStore.h"
#include "organize/comments/FileComment.h"
#include "resources/OrganizePageStrings.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

CommentDialog::CommentDialog(SettingsStore& store, PictureLists& lists,
                             std::function<void(const QStringList&)> changed, QWidget* parent)
    : QDialog(parent)
    , store_(store)
    , lists_(lists)
    , changed_(std::move(changed))
    , heading_(new QLabel(this))
    , toList_(new QCheckBox(strings::text(strings::kWriteToList), this))
    , listText_(new QLineEdit(this))
    , toFile_(new QCheckBox(strings::text(strings::kWriteToFile), this))
    , fileText_(new QLineEdit(this))
    , add_(new QCheckBox(strings::text(strings::kAddToComment), this))
    , ok_(new QPushButton(strings::text(strings::kCommentOk), this))
    , apply_(new QPushButton(strings::text(strings::kCommentApply), this))
{
    setObjectName(QStringLiteral("commentDialog"));
    setWindowTitle(strings::text(strings::kCommentTitle));
    heading_->setTextFormat(Qt::PlainText);
    toList_->setChecked(store_.get(setting::WriteCommentToList));
    toList_->setToolTip(strings::text(strings::kWriteToListTip));
    listText_->setToolTip(strings::text(strings::kListCommentTip));
    toFile_->setChecked(store_.get(setting::WriteCommentToFile));
    toFile_->setToolTip(strings::text(strings::kWriteToFileTip));
    fileText_->setToolTip(strings::text(strings::kFileCommentTip));
    add_->setChecked(store_.get(setting::AddToComment));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(toList_);
    layout->addWidget(listText_);
    layout->addWidget(toFile_);
    layout->addWidget(fileText_);
    layout->addWidget(add_);
    auto* buttons = new QHBoxLayout;
    auto* cancel = new QPushButton(strings::text(strings::kPageCancel), this);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addWidget(apply_);
    layout->addLayout(buttons);
    ok_->setDefault(true);

    connect(toList_, &QCheckBox::toggled, this, &CommentDialog::follow);
    connect(toFile_, &QCheckBox::toggled, this, &CommentDialog::follow);
    connect(ok_, &QPushButton::clicked, this, [this] {
        apply();
        accept();
    });
    connect(apply_, &QPushButton::clicked, this, &CommentDialog::apply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    refill();
}

void CommentDialog::refill()
{
    const QStringList selected = lists_.current().selection().toStringList();
    CommentDialogInputs in;
    in.selected = int(selected.size());
    if (selected.size() == 1) {
        in.listComment = CommentStore::instance().get(selected.front());
        in.fileComment = readFileComment(selected.front());
        in.formatCarriesComments = formatCarriesComments(selected.front());
    }
    const CommentDialogFill fill = commentDialogFill(in);
    heading_->setText(fill.heading);
    if (fill.listText)
        listText_->setText(*fill.listText);
    if (fill.fileText)
        fileText_->setText(*fill.fileText);
    toFile_->setEnabled(fill.fileBoxEnabled);
    ok_->setEnabled(fill.applyEnabled);
    apply_->setEnabled(fill.applyEnabled);
    follow();
}

void CommentDialog::follow()
{
    listText_->setEnabled(commentFieldEnabled(toList_->isChecked(), true));
    fileText_->setEnabled(commentFieldEnabled(toFile_->isChecked(), toFile_->isEnabled()));
}

void CommentDialog::apply()
{
    // Pictures whose format carries no comment are skipped by the file part.
    const CommentDialogValues values{toList_->isChecked(), toFile_->isChecked(), add_->isChecked(), listText_->text(), fileText_->text()};
    const std::optional<CommentChange> change = commentChangeFrom(store_, values);
    if (!change)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList pictures = lists_.current().selection().toStringList();
    // Files that cannot be written keep their comment, without a message.
    const CommentApplyResult result = applyCommentChange(pictures, *change, CommentStore::instance());
    QApplication::restoreOverrideCursor();
    changed_(result.changed);
}

} // namespace vistello
