#pragma once
// Parameters that print on the console and end the program instead of
// opening a window: the usage text and the echoes of the two batch names.
#include <QString>
#include <QStringList>
#include <optional>

namespace vistello {

// The usage text with the edition filled in, ending in a line break.
QString usageText();

// The text to print when the first parameter asks for console output
// ("-?", "-h", "-help", "--help", "--html", "--index"); nothing otherwise.
std::optional<QString> consoleEcho(const QStringList& parameters);

} // namespace vistello
