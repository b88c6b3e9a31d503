#pragma once
// The main window's keyboard accelerators. They are looked at before any
// other key handling, except that a focused text field keeps its editing
// keys (Del in the address box deletes a character, not pictures).
#include <QKeyCombination>
#include <optional>
#include <span>

namespace vistello {

struct Accelerator {
    QKeyCombination keys;
    int command;
    bool inMemoryOnly = false; // the rotations with Ctrl change only the shown picture
};

std::span<const Accelerator> accelerators();

struct KeyFocus {
    bool textField = false; // a line edit or another text editor has the focus
};

// The command a key press runs, or nothing when the key goes on to the
// focused widget. Enter on the keypad counts as Enter.
std::optional<Accelerator> routeKey(QKeyCombination keys, const KeyFocus& focus);

// The mouse's back and forward buttons.
std::optional<int> routeMouseButton(Qt::MouseButton button);

} // namespace vistello
