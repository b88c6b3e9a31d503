#pragma once
// Runs the lines of a VISTELLO_SCRIPT file against the shown main window:
// keys, clicks, drags and wheel steps arrive as real events, answers go to
// the prompts in place of the dialogs.
#include "app/window/script/ScriptLine.h"

#include <QObject>

#include <vector>

class QMenu;

namespace vistello {

class MainWindow;
class ScriptedPrompts;

class ScriptRunner : public QObject {
    Q_OBJECT
public:
    ScriptRunner(MainWindow& window, ScriptedPrompts& prompts, QObject* parent = nullptr);
    ~ScriptRunner() override;

    // Reads and checks the whole file; false (with the message on stderr)
    // for an unreadable file or a bad line.
    bool load(const QString& path);
    // Starts with the first line once the event loop runs.
    void start();

private:
    void runNext();
    bool run(const ScriptCommand& command); // false: stop with status 2
    void sendKey(QKeyCombination keys);
    void sendText(const QString& text);
    void sendClick(QPoint at, ScriptCommand::Click click);
    void sendDrag(QPoint from, QPoint to);
    void sendHover(QPoint at);
    void sendWheel(QPoint at, int steps);
    bool writeState(const QString& path);
    void sendDrop(QPoint at, const QStringList& paths);
    bool eventFilter(QObject* object, QEvent* event) override;
    void chooseMenuEntry(QMenu* menu);
    void fail(const QString& message);
    // Reports a control's error; true when there is none.
    bool succeeded(const QString& error);

    MainWindow& window_;
    ScriptedPrompts& prompts_;
    std::vector<std::pair<int, ScriptCommand>> commands_; // line number, command
    size_t next_ = 0;
    QString menuChoice_; // chosen in the next menu that opens
    bool menuShown_ = false;
    // The running line's mark that a modal dialog took the next lines over;
    // null between lines.
    bool* handedOn_ = nullptr;
};

} // namespace vistello
