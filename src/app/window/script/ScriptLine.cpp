#include "app/window/script/ScriptLine.h"

#include "app/window/frame/CommandIds.h"
#include "app/window/viewer/ButtonStrip.h"

#include <QKeySequence>
#include <QStringList>

namespace vistello {

namespace {

using Kind = ScriptCommand::Kind;

struct Verb {
    const char* word;
    Kind kind;
    int minNumbers; // leading integer arguments
    int maxNumbers;
    bool takesText; // the rest of the line
};

constexpr Verb kVerbs[] = {
    {"resize", Kind::Resize, 2, 2, false},  {"key", Kind::Key, 0, 0, true},
    {"click", Kind::Click, 2, 2, false},    {"drag", Kind::Drag, 4, 4, false},
    {"wheel", Kind::Wheel, 3, 3, false},    {"command", Kind::Command, 1, 1, false},
    {"answer", Kind::Answer, 0, 0, true},   {"wait", Kind::Wait, 1, 1, false},
    {"wait-idle", Kind::WaitIdle, 0, 0, false}, {"shot", Kind::Shot, 0, 0, true},
    {"state", Kind::State, 0, 0, true},     {"quit", Kind::Quit, 0, 0, false},
    {"pane", Kind::Pane, 0, 0, true},       {"wait-tiles", Kind::WaitTiles, 1, 1, false},
    {"type", Kind::Type, 0, 0, true},
    {"drop", Kind::Drop, 2, 2, true},       {"menu", Kind::Menu, 0, 0, true},
    {"button", Kind::Button, 0, 0, true},   {"tick", Kind::Tick, 0, 0, true},
    {"fill", Kind::Fill, 0, 0, true},       {"select", Kind::Select, 0, 0, true},
    {"wait-jobs", Kind::WaitJobs, 1, 1, false}, {"task", Kind::Task, 0, 0, true},
    {"hover", Kind::Hover, 2, 2, false},
};

ScriptLine failure(const QString& message)
{
    return {std::nullopt, message};
}

// The remainder after the verb, as written (paths may hold spaces).
QString restOf(const QString& line, const QString& verb)
{
    return line.trimmed().mid(verb.size()).trimmed();
}

// "tick TEXT on|off": the last word is the state.
QString parseTick(ScriptCommand& command)
{
    const qsizetype blank = command.text.lastIndexOf(QLatin1Char(' '));
    const QString state = command.text.mid(blank + 1);
    if (blank < 0 || (state != QLatin1String("on") && state != QLatin1String("off")))
        return QStringLiteral("tick takes a text and \"on\" or \"off\", not \"%1\"").arg(command.text);
    command.on = state == QLatin1String("on");
    command.text = command.text.left(blank).trimmed();
    return {};
}

// "fill LABEL=VALUE" or "fill #N=VALUE": the value is everything after the first "=".
QString parseFill(ScriptCommand& command)
{
    const qsizetype equals = command.text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return QStringLiteral("fill takes LABEL=VALUE, not \"%1\"").arg(command.text);
    command.value = command.text.mid(equals + 1);
    command.text = command.text.left(equals).trimmed();
    if (command.text.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        command.fieldNumber = command.text.mid(1).toInt(&ok);
        if (!ok || command.fieldNumber < 1)
            return QStringLiteral("\"%1\" is no field number (#1 is the first)").arg(command.text);
        command.text.clear();
    }
    if (command.text.isEmpty() && command.fieldNumber == 0)
        return QStringLiteral("fill needs a label before \"=\"");
    return {};
}

// "select all", "select none" or "select I,J,...": indices from 0, the first becomes current.
QString parseSelect(ScriptCommand& command)
{
    if (command.text == QLatin1String("all") || command.text == QLatin1String("none"))
        return {};
    for (const QString& word : command.text.split(QLatin1Char(','))) {
        bool ok = false;
        const int index = word.trimmed().toInt(&ok);
        if (!ok || index < 0)
            return QStringLiteral("select takes \"all\", \"none\" or indices from 0 like 0,2, not \"%1\"")
                .arg(command.text);
        command.numbers.push_back(index);
    }
    command.text.clear();
    return {};
}

} // namespace

ScriptLine parseScriptLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return {};
    const QStringList words = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString verbWord = words.first();
    const Verb* verb = nullptr;
    for (const Verb& candidate : kVerbs)
        if (verbWord == QLatin1String(candidate.word))
            verb = &candidate;
    if (!verb)
        return failure(QStringLiteral("unknown command \"%1\"").arg(verbWord));

    ScriptCommand command;
    command.kind = verb->kind;
    if (verb->takesText && verb->minNumbers > 0) {
        // "drop X Y PATHS": the numbers first, then the rest of the line.
        if (words.size() < 2 + verb->minNumbers)
            return failure(QStringLiteral("\"%1\" takes %2 number(s) and a text").arg(verbWord).arg(verb->minNumbers));
        for (int i = 1; i <= verb->minNumbers; ++i) {
            bool ok = false;
            command.numbers.push_back(words[i].toInt(&ok));
            if (!ok)
                return failure(QStringLiteral("\"%1\" is not a number").arg(words[i]));
        }
        command.text = trimmed.section(QLatin1Char(' '), verb->minNumbers + 1, -1, QString::SectionSkipEmpty);
    } else if (verb->takesText) {
        command.text = restOf(trimmed, verbWord);
        if (command.text.isEmpty())
            return failure(QStringLiteral("\"%1\" needs an argument").arg(verbWord));
    } else {
        const qsizetype given = words.size() - 1;
        qsizetype numbers = given;
        // "click X Y right|double|ctrl" ends in a word.
        if (verb->kind == Kind::Click && given == 3) {
            const QString how = words.last();
            if (how == QLatin1String("right"))
                command.click = ScriptCommand::Click::Right;
            else if (how == QLatin1String("double"))
                command.click = ScriptCommand::Click::Double;
            else if (how == QLatin1String("ctrl"))
                command.click = ScriptCommand::Click::Ctrl;
            else
                return failure(QStringLiteral("click takes \"right\", \"double\" or \"ctrl\", not \"%1\"").arg(how));
            numbers = 2;
        }
        if (numbers < verb->minNumbers || numbers > verb->maxNumbers)
            return failure(QStringLiteral("\"%1\" takes %2 number(s)").arg(verbWord).arg(verb->minNumbers));
        for (qsizetype i = 1; i <= numbers; ++i) {
            bool ok = false;
            command.numbers.push_back(words[i].toInt(&ok));
            if (!ok)
                return failure(QStringLiteral("\"%1\" is not a number").arg(words[i]));
        }
    }

    switch (command.kind) {
    case Kind::Key: {
        const QKeySequence sequence = QKeySequence::fromString(command.text, QKeySequence::PortableText);
        if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
            return failure(QStringLiteral("\"%1\" is not one key").arg(command.text));
        command.keys = sequence[0];
        break;
    }
    case Kind::Command:
        if (!isReachableCommand(command.numbers[0]))
            return failure(QStringLiteral("unknown command id %1").arg(command.numbers[0]));
        break;
    case Kind::Pane:
        if (command.text != QLatin1String("show") && command.text != QLatin1String("hide"))
            return failure(QStringLiteral("pane takes \"show\" or \"hide\", not \"%1\"").arg(command.text));
        break;
    case Kind::Tick:
    case Kind::Fill:
    case Kind::Select:
        if (const QString error = command.kind == Kind::Tick   ? parseTick(command)
                                  : command.kind == Kind::Fill ? parseFill(command)
                                                               : parseSelect(command);
            !error.isEmpty())
            return failure(error);
        break;
    case Kind::Resize:
    case Kind::Wait:
    case Kind::WaitJobs:
    case Kind::WaitTiles:
        for (const int n : command.numbers)
            if (n < 0)
                return failure(QStringLiteral("negative number in \"%1\"").arg(trimmed));
        break;
    default:
        break;
    }
    return {command, {}};
}

bool isReachableCommand(int id)
{
    // The window's keys and buttons, the pages' menus and the viewer's buttons.
    return command::isKnown(id) || command::isPageCommand(id) || stripIndex(id) >= 0;
}

} // namespace vistello
