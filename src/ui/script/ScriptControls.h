#pragma once
// The controls a script names by the texts a user reads on screen: buttons,
// check boxes, input fields and the task pane's items, each worked as a
// user's click or typing would, so that their usual signals go out.
//
// Where to look: the modal dialog when one is open (nothing else takes
// input then); else the open command page (the widget named "commandPage")
// first and then the whole window. Texts match when the control's text,
// without its "&" mnemonics, begins with the one given; an exact match wins.
#include <QString>

class QWidget;

namespace vistello {

struct ScriptCommand;

// Each returns an empty string when done, else what went wrong.
QString pressScriptButton(QWidget& window, const QString& text);
QString tickScriptCheckBox(QWidget& window, const QString& text, bool on);
// "fill": by label (fieldNumber 0) or by its place in the tab order.
QString fillScriptField(QWidget& window, const ScriptCommand& command);
// The task pane's item, through its "clickItem" method (found by name: the
// pane may be missing).
QString clickScriptTask(QWidget& window, const QString& text);

} // namespace vistello
