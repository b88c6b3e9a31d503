#include "app/startup/ConsoleEcho.h"

#include "app/startup/CommandLine.h"
#include "resources/StringTable.h"

namespace vistello {
namespace {

constexpr int kUsageTextId = 33421;

bool isHelp(QStringView parameter)
{
    return isOption(parameter, QLatin1StringView("?")) || isOption(parameter, QLatin1StringView("h"))
        || isOption(parameter, QLatin1StringView("help")) || isOption(parameter, QLatin1StringView("-help"));
}

// "html", then each parameter; "-p VALUE" becomes its own "p=VALUE" line.
QString htmlEcho(const QStringList& parameters)
{
    QString out = QStringLiteral("html\n");
    for (qsizetype i = 1; i < parameters.size(); ++i) {
        if (isOption(parameters.at(i), QLatin1StringView("p"))) {
            if (i + 1 < parameters.size()) {
                out += QStringLiteral("p=") + parameterText(parameters.at(i + 1)) + QLatin1Char('\n');
                ++i;
            }
            continue;
        }
        out += parameterText(parameters.at(i));
    }
    return out;
}

QString indexEcho(const QStringList& parameters)
{
    QString out = QStringLiteral("index\n");
    for (qsizetype i = 1; i < parameters.size(); ++i)
        out += parameterText(parameters.at(i));
    return out;
}

} // namespace

QString usageText()
{
    QString text = strings::text(kUsageTextId);
    const qsizetype edition = text.indexOf(QLatin1StringView("%s"));
    if (edition >= 0)
        text.replace(edition, 2, QStringLiteral("LE"));
    return text + QLatin1Char('\n');
}

std::optional<QString> consoleEcho(const QStringList& parameters)
{
    if (parameters.isEmpty())
        return std::nullopt;
    const QString& first = parameters.first();
    if (isHelp(first))
        return usageText();
    if (isOption(first, QLatin1StringView("-html")))
        return htmlEcho(parameters);
    if (isOption(first, QLatin1StringView("-index")))
        return indexEcho(parameters);
    return std::nullopt;
}

} // namespace vistello
