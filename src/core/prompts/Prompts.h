#pragma once
// Every question, message and file dialog the program shows goes through
// one Prompts object. The window supplies dialogs; tests and scripted runs
// supply ScriptedPrompts. Engine code asks through this interface only, so
// it never opens a window itself.
#include <QList>
#include <QString>
#include <QStringList>

namespace vistello {

enum class PromptAnswer { Yes, No, Ok, Cancel };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };

// A check box of a question: its text (plain, shown as written), its tool
// tip and whether it starts ticked.
struct PromptCheckBox {
    QString text;
    QString toolTip;
    bool checked = false;
};

struct PromptQuestion {
    QString title;
    QString text; // shown as plain text, never as markup
    PromptButtons buttons = PromptButtons::YesNo;
    PromptAnswer defaultAnswer = PromptAnswer::No;
    // A check box under the text ("Don't display this dialog again");
    // empty when the question has none.
    QString checkBoxText;
    // False shows "Yes" disabled: the values shown make it meaningless.
    bool yesEnabled = true;
    // Check boxes between the text and the buttons, in this order.
    QList<PromptCheckBox> checkBoxes = {};
};

struct PromptReply {
    PromptAnswer answer = PromptAnswer::Cancel;
    bool checkBoxChecked = false;
    // The states of the question's checkBoxes at the answer, in their order.
    QList<bool> checkBoxStates = {};
};

struct FileChoice {
    QString title;
    QString filter;           // e.g. "JPEG files (*.jpg *.jpeg)"
    QString defaultExtension; // without the dot
    QString proposedPath;
};

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual PromptReply ask(const PromptQuestion& question) = 0;
    virtual void inform(const QString& title, const QString& text) = 0;
    // The chosen path, or empty when the user cancelled.
    virtual QString chooseSaveFile(const FileChoice& choice) = 0;
    virtual QString chooseOpenFile(const FileChoice& choice) = 0;

    // A yes/no question; true for "yes".
    bool confirm(const QString& title, const QString& text);
};

// Answers from a queue filled in advance: "yes", "no", "ok", "cancel" for
// questions, anything else is a path for the next file dialog. Before a
// question's answer, "tick:TEXT" and "untick:TEXT" set its check box TEXT
// (a file dialog met first is cancelled and leaves them queued). With the
// queue empty a question gets its default answer and a file dialog is
// cancelled. Everything shown is recorded.
class ScriptedPrompts : public Prompts {
public:
    void queueAnswer(const QString& answer) { answers_.append(answer); }
    // Ticks the check box of the next question that has one.
    void queueCheckBox() { tickNextCheckBox_ = true; }
    int pendingAnswers() const { return int(answers_.size()); }
    const QStringList& shown() const { return shown_; }
    // The check boxes of every question asked, as they were offered.
    const QList<PromptCheckBox>& shownCheckBoxes() const { return shownCheckBoxes_; }

    PromptReply ask(const PromptQuestion& question) override;
    void inform(const QString& title, const QString& text) override;
    QString chooseSaveFile(const FileChoice& choice) override;
    QString chooseOpenFile(const FileChoice& choice) override;

private:
    QString takeAnswer();
    // Applies the tick and untick words at the head of the queue.
    void applyCheckBoxWords(const PromptQuestion& question, PromptReply& reply);

    QStringList answers_;
    QStringList shown_;
    QList<PromptCheckBox> shownCheckBoxes_;
    bool tickNextCheckBox_ = false;
};

} // namespace vistello
