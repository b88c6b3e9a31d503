#pragma once
// The parameter list: one entry per argument after the program name, with a
// single leading "-" removed ("-p" -> "p", "--html" -> "-html"). A leading
// "/" is kept, because every absolute path begins with one.
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

namespace vistello {

// Longest path the program keeps for a picture or folder.
inline constexpr qsizetype kMaxPathLength = 511;

QStringList parseParameters(const QStringList& arguments);

// The arguments after the program name, decoded as the file system encodes names.
QStringList argumentsFromArgv(int argc, const char* const* argv);

// Option names compare case-insensitively ("P" is "p").
bool isOption(QStringView parameter, QLatin1StringView name);

// Absolute, cleaned path of text. When that is longer than kMaxPathLength,
// the text itself cut to that length (it then names nothing usable).
QString makeFullPath(QStringView text);

} // namespace vistello
