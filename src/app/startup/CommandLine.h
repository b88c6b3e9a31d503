#pragma once
// The parameter list: the arguments after the program name, as given. An
// option is a word that begins with "-" ("-p", "--html"); every other word
// is a path or an option's value, so a folder named "h" or "x" is a folder.
// A leading "/" is no option prefix either: every absolute path has one.
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

namespace vistello {

// Longest path the program keeps for a picture or folder.
inline constexpr qsizetype kMaxPathLength = 511;

// The arguments after the program name, decoded as the file system encodes names.
QStringList argumentsFromArgv(int argc, const char* const* argv);

// The parameter is the option "-name" (name compared case-insensitively:
// "-P" is "-p", "--HTML" is "--html" with name "-html").
bool isOption(QStringView parameter, QLatin1StringView name);

// The parameter as a value or path: one leading "-" removed ("-3" -> "3"),
// other words unchanged.
QString parameterText(const QString& parameter);

// Absolute, cleaned path of text. When that is longer than kMaxPathLength,
// the text itself cut to that length (it then names nothing usable).
QString makeFullPath(QStringView text);

} // namespace vistello
