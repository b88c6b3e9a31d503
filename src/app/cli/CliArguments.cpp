#include "app/cli/CliArguments.h"

#include "app/cli/CliCommands.h"

#include <QRegularExpression>

namespace vistello::cli {

namespace {

const CliOption* find(std::initializer_list<CliOption> known, const QString& word)
{
    for (const CliOption& option : known) {
        const Qt::CaseSensitivity cs = option.anyCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
        if (word.compare(QLatin1String(option.name), cs) == 0)
            return &option;
    }
    return nullptr;
}

} // namespace

bool CliArguments::has(const char* name) const
{
    for (const auto& [given, value] : options)
        if (given == QLatin1String(name))
            return true;
    return false;
}

QString CliArguments::value(const char* name) const
{
    for (auto it = options.crbegin(); it != options.crend(); ++it)
        if (it->first == QLatin1String(name))
            return it->second;
    return {};
}

CliArguments parseArguments(const char* command, const QStringList& args, std::initializer_list<CliOption> known)
{
    CliArguments parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        if (optionsEnded || !word.startsWith(u'-') || word.size() == 1) {
            parsed.plain.append(word);
        } else if (word == QLatin1String("--")) {
            optionsEnded = true;
        } else if (word == QLatin1String("--help") || word == QLatin1String("-h")) {
            printCommandHelp(command);
            parsed.exitNow = Success;
            return parsed;
        } else if (const CliOption* option = find(known, word)) {
            QString value;
            if (option->takesValue) {
                if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
                    parsed.exitNow = usageError(command, QStringLiteral("%1 needs a value").arg(word));
                    return parsed;
                }
                value = args[++i];
            }
            parsed.options.append({QString::fromLatin1(option->name), value});
        } else {
            parsed.exitNow = usageError(command, QStringLiteral("unknown option \"%1\"").arg(word));
            return parsed;
        }
    }
    return parsed;
}

std::optional<QSize> parseBox(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (width < 1 || height < 1 || width > 16384 || height > 16384)
        return std::nullopt;
    return QSize(width, height);
}

QString badBoxMessage(const QString& text)
{
    return QStringLiteral("bad box \"%1\" (WxH, 1 to 16384 each)").arg(text);
}

} // namespace vistello::cli
