#pragma once
// One line of a VISTELLO_SCRIPT file: the program runs them one after the
// other once the main window is shown.
#include <QKeyCombination>
#include <QString>
#include <optional>
#include <vector>

namespace vistello {

struct ScriptCommand {
    enum class Kind { Resize, Key, Click, Drag, Wheel, Command, Answer, Wait, WaitIdle, Shot, State, Quit, Type, Pane, WaitTiles, Drop, Menu,
                      Button, Tick, Fill, Select, WaitJobs, Task, Hover };
    enum class Click { Left, Right, Double, Ctrl }; // Ctrl: a left click with Ctrl held

    Kind kind = Kind::Quit;
    std::vector<int> numbers; // sizes, coordinates, steps, command id, milliseconds or list indices (select)
    QKeyCombination keys;
    Click click = Click::Left;
    // Answer word or path, file name, typed text, "show" or "hide" (pane), dropped paths ("|" between), menu
    // entry, the start of a control's text (button, tick, task) or of a field's label (fill), "all" or "none"
    // (select; empty with indices).
    QString text;
    QString value;       // what "fill" puts into the field
    int fieldNumber = 0; // "fill #N=...": N (1 = first field in tab order); 0 for a labelled field
    bool on = false;     // "tick TEXT on"
};

struct ScriptLine {
    std::optional<ScriptCommand> command; // none for blank and comment lines
    QString error;                        // set for a bad line
};

ScriptLine parseScriptLine(const QString& line);

// Every command id a user can reach by key, button or menu: "command ID" runs it.
bool isReachableCommand(int id);

} // namespace vistello
