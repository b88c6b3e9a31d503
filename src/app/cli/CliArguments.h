#pragma once
// The one option parser of vistello-cli's subcommands. Options may stand
// anywhere among the other arguments; "--" makes every later argument a
// plain one, and a lone "-" is a plain argument. Any other word beginning
// with "-" that the command does not know is a usage error, never a file.
#include <QSize>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>
#include <utility>

namespace vistello::cli {

struct CliOption {
    const char* name;        // "--box", "-o"
    bool takesValue = false; // the next argument, which must not be empty
    bool anyCase = false;    // "-I" is "-i", as in the viewer's own options
};

struct CliArguments {
    // Set when the command ends at once: 0 after printing its help
    // ("--help", "-h"), UsageError after a usage message.
    std::optional<int> exitNow;
    QStringList plain;                          // the non-option arguments, in order
    QList<std::pair<QString, QString>> options; // name as declared, value ("" for a flag)

    bool has(const char* name) const;
    // The value of the last occurrence; empty when not given.
    QString value(const char* name) const;
};

CliArguments parseArguments(const char* command, const QStringList& args, std::initializer_list<CliOption> known);

// "WxH" with both sides 1 to 16384, as every command with a box takes it.
std::optional<QSize> parseBox(const QString& text);
// The usage message for a box parseBox() refuses.
QString badBoxMessage(const QString& text);

} // namespace vistello::cli
