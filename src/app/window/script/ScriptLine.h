#pragma once
// One line of a VISTELLO_SCRIPT file: the program runs them one after the
// other once the main window is shown.
#include <QKeyCombination>
#include <QString>
#include <optional>
#include <vector>

namespace vistello {

struct ScriptCommand {
    enum class Kind { Resize, Key, Click, Drag, Wheel, Command, Answer, Wait, WaitIdle, Shot, State, Quit, Type, Pane, WaitTiles, Drop, Menu };
    enum class Click { Left, Right, Double, Ctrl }; // Ctrl: a left click with Ctrl held

    Kind kind = Kind::Quit;
    std::vector<int> numbers; // sizes, coordinates, steps, command id or milliseconds
    QKeyCombination keys;
    Click click = Click::Left;
    QString text; // answer word or path, file name, typed text, "show" or "hide" (pane), dropped paths ("|" between), menu entry
};

struct ScriptLine {
    std::optional<ScriptCommand> command; // none for blank and comment lines
    QString error;                        // set for a bad line
};

ScriptLine parseScriptLine(const QString& line);

// Every command id a user can reach by key, button or menu: "command ID" runs it.
bool isReachableCommand(int id);

} // namespace vistello
