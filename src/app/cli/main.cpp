// vistello-cli: the headless companion of the viewer. Each engine capability
// is one subcommand; see --help.
#include "app/cli/CliCommands.h"

#include <QCoreApplication>
#include <clocale>

using namespace vistello::cli;

namespace {

void printHelp()
{
    QString text = QStringLiteral("Usage: vistello-cli COMMAND [ARGS...]\n\nCommands:\n");
    for (const CliCommand& c : commands()) {
        const QString head = QStringLiteral("  %1 %2").arg(QLatin1String(c.name), QLatin1String(c.usage));
        text += head.leftJustified(34) + QLatin1Char(' ') + QLatin1String(c.summary) + QLatin1Char('\n');
    }
    text += QStringLiteral("\n\"vistello-cli COMMAND --help\" prints the usage of one command. Options may stand\n"
                           "anywhere; \"--\" ends them. An unknown option is a usage error.\n"
                           "\nExit status: 0 success, 1 when any file failed, 2 usage error.\n");
    out(text);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printHelp();
        return UsageError;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        printHelp();
        return Success;
    }
    for (const CliCommand& c : commands())
        if (name == QLatin1String(c.name))
            return c.run(args);
    err(QStringLiteral("vistello-cli: unknown command \"%1\" (see --help)\n").arg(name));
    return UsageError;
}
