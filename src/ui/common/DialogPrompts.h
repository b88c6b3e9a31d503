#pragma once
// Prompts shown as message boxes and file dialogs over the main window.
// Texts are always plain text: file names and comments are never markup.
#include "core/prompts/Prompts.h"

class QWidget;

namespace vistello {

class DialogPrompts : public Prompts {
public:
    explicit DialogPrompts(QWidget* parent) : parent_(parent) {}
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    PromptReply ask(const PromptQuestion& question) override;
    void inform(const QString& title, const QString& text) override;
    QString chooseSaveFile(const FileChoice& choice) override;
    QString chooseOpenFile(const FileChoice& choice) override;

private:
    QWidget* parent_;
};

} // namespace vistello
