#include "ui/common/DialogPrompts.h"

#include "core/prompts/FileDialogFilter.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileDialog>
#include <QMessageBox>

namespace vistello {

namespace {

QMessageBox::StandardButton buttonOf(PromptAnswer answer)
{
    switch (answer) {
    case PromptAnswer::Yes: return QMessageBox::Yes;
    case PromptAnswer::No: return QMessageBox::No;
    case PromptAnswer::Ok: return QMessageBox::Ok;
    case PromptAnswer::Cancel: return QMessageBox::Cancel;
    }
    return QMessageBox::Cancel;
}

QMessageBox::StandardButtons buttonsOf(PromptButtons buttons)
{
    switch (buttons) {
    case PromptButtons::Ok: return QMessageBox::Ok;
    case PromptButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

PromptAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Ok: return PromptAnswer::Ok;
    default: return PromptAnswer::Cancel;
    }
}

QString chooseFile(QWidget* parent, const FileChoice& choice, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, choice.title, choice.proposedPath);
    dialog.setNameFilters(dialogNameFilters(choice.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(choice.defaultExtension);
    if (!choice.proposedPath.isEmpty())
        dialog.selectFile(choice.proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

PromptReply DialogPrompts::ask(const PromptQuestion& question)
{
    QMessageBox box(QMessageBox::Question, question.title, question.text, buttonsOf(question.buttons), parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(buttonOf(question.defaultAnswer));
    if (QAbstractButton* yes = box.button(QMessageBox::Yes); yes && !question.yesEnabled)
        yes->setEnabled(false);
    QCheckBox* check = nullptr;
    if (!question.checkBoxText.isEmpty()) {
        check = new QCheckBox(question.checkBoxText, &box);
        box.setCheckBox(check);
    }
    const int button = box.exec();
    return {answerOf(button), check && check->isChecked()};
}

void DialogPrompts::inform(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString DialogPrompts::chooseSaveFile(const FileChoice& choice)
{
    return chooseFile(parent_, choice, QFileDialog::AcceptSave);
}

QString DialogPrompts::chooseOpenFile(const FileChoice& choice)
{
    return chooseFile(parent_, choice, QFileDialog::AcceptOpen);
}

} // namespace vistello
