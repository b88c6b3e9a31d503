#include "app/window/script/ScriptLine.h"

#include <gtest/gtest.h>

using namespace vistello;
using Kind = ScriptCommand::Kind;

TEST(WindowScriptLine, GoodLines)
{
    struct Case {
        const char* line;
        Kind kind;
        std::vector<int> numbers;
        QString text;
    };
    const Case cases[] = {
        {"resize 800 600", Kind::Resize, {800, 600}, {}},
        {"click 10 20", Kind::Click, {10, 20}, {}},
        {"  drag 1 2 3 4  ", Kind::Drag, {1, 2, 3, 4}, {}},
        {"wheel 5 6 -2", Kind::Wheel, {5, 6, -2}, {}},
        {"command 40001", Kind::Command, {40001}, {}},
        {"command 40384", Kind::Command, {40384}, {}}, // a page menu command
        {"answer yes", Kind::Answer, {}, QStringLiteral("yes")},
        {"answer /tmp/a b.jpg", Kind::Answer, {}, QStringLiteral("/tmp/a b.jpg")},
        {"wait 250", Kind::Wait, {250}, {}},
        {"wait-idle", Kind::WaitIdle, {}, {}},
        {"shot /tmp/x.png", Kind::Shot, {}, QStringLiteral("/tmp/x.png")},
        {"state out.json", Kind::State, {}, QStringLiteral("out.json")},
        {"quit", Kind::Quit, {}, {}},
        {"pane hide", Kind::Pane, {}, QStringLiteral("hide")},
        {"wait-tiles 9000", Kind::WaitTiles, {9000}, {}},
        {"type /tmp/a b/", Kind::Type, {}, QStringLiteral("/tmp/a b/")},
        {"drop 40 50 /tmp/a b.jpg|/tmp/c.jpg", Kind::Drop, {40, 50}, QStringLiteral("/tmp/a b.jpg|/tmp/c.jpg")},
        {"menu Move", Kind::Menu, {}, QStringLiteral("Move")},
    };
    for (const Case& c : cases) {
        const ScriptLine parsed = parseScriptLine(QString::fromLatin1(c.line));
        ASSERT_TRUE(parsed.command) << c.line << ": " << parsed.error.toStdString();
        EXPECT_EQ(parsed.command->kind, c.kind) << c.line;
        EXPECT_EQ(parsed.command->numbers, c.numbers) << c.line;
        EXPECT_EQ(parsed.command->text, c.text) << c.line;
    }
    EXPECT_EQ(parseScriptLine(QStringLiteral("click 1 2 double")).command->click, ScriptCommand::Click::Double);
    EXPECT_EQ(parseScriptLine(QStringLiteral("click 1 2 right")).command->click, ScriptCommand::Click::Right);
    EXPECT_EQ(parseScriptLine(QStringLiteral("click 1 2 ctrl")).command->click, ScriptCommand::Click::Ctrl);
    EXPECT_EQ(parseScriptLine(QStringLiteral("key Alt+Enter")).command->keys,
              QKeyCombination(Qt::AltModifier, Qt::Key_Enter));
    EXPECT_EQ(parseScriptLine(QStringLiteral("key Del")).command->keys, QKeyCombination(Qt::Key_Delete));
    for (const char* skipped : {"", "   ", "# a comment"}) {
        const ScriptLine parsed = parseScriptLine(QString::fromLatin1(skipped));
        EXPECT_FALSE(parsed.command);
        EXPECT_TRUE(parsed.error.isEmpty());
    }
}

TEST(WindowScriptLine, BadLinesSayWhy)
{
    for (const char* bad : {"jump", "resize 800", "resize 800 600 1", "resize -1 5", "click 1 2 triple",
                            "click a 2", "key", "key F11,F10", "key Nokey", "command 12345", "wait", "shot",
                            "drag 1 2 3", "quit now", "type", "pane", "pane off", "wait-tiles -5",
                            "drop 1 2", "drop 1 x /a.jpg", "menu", "button", "tick", "tick x maybe",
                            "tick on", "tick Sharpen", "fill", "fill Width", "fill =5", "fill #0=5", "fill #x=5",
                            "select", "select some", "select 1,,2", "select -1", "select 0,b", "wait-jobs",
                            "wait-jobs -1", "wait-jobs x", "task"}) {
        const ScriptLine parsed = parseScriptLine(QString::fromLatin1(bad));
        EXPECT_FALSE(parsed.command) << bad;
        EXPECT_FALSE(parsed.error.isEmpty()) << bad;
    }
}

// The viewer's buttons are commands a user reaches too.
TEST(WindowScriptLine, ViewerCommandsAreAccepted)
{
    for (const int id : {40020, 40021, 40022, 40023, 40024, 40025, 40395, 40435, 40216, 40241, 40081, 40372}) {
        const ScriptLine parsed = parseScriptLine(QStringLiteral("command %1").arg(id));
        ASSERT_TRUE(parsed.command) << id << ": " << parsed.error.toStdString();
        EXPECT_EQ(parsed.command->numbers, std::vector<int>{id});
    }
}

// The control commands: the text to look for and what to put there.
TEST(WindowScriptLine, ControlLines)
{
    struct Case {
        const char* line;
        Kind kind;
        QString text;
        QString value;
        int fieldNumber;
        bool on;
        std::vector<int> numbers;
    };
    const Case cases[] = {
        {"button OK", Kind::Button, QStringLiteral("OK"), {}, 0, false, {}},
        {"button Save as...", Kind::Button, QStringLiteral("Save as..."), {}, 0, false, {}},
        {"tick Keep the original on", Kind::Tick, QStringLiteral("Keep the original"), {}, 0, true, {}},
        {"tick Grey off", Kind::Tick, QStringLiteral("Grey"), {}, 0, false, {}},
        {"tick on on", Kind::Tick, QStringLiteral("on"), {}, 0, true, {}},
        {"fill Width=640", Kind::Fill, QStringLiteral("Width"), QStringLiteral("640"), 0, false, {}},
        {"fill File name = a=b.jpg", Kind::Fill, QStringLiteral("File name"), QStringLiteral(" a=b.jpg"), 0, false, {}},
        {"fill Pattern=", Kind::Fill, QStringLiteral("Pattern"), QString(), 0, false, {}},
        {"fill #2=x", Kind::Fill, QString(), QStringLiteral("x"), 2, false, {}},
        {"fill #12=a b", Kind::Fill, QString(), QStringLiteral("a b"), 12, false, {}},
        {"select all", Kind::Select, QStringLiteral("all"), {}, 0, false, {}},
        {"select none", Kind::Select, QStringLiteral("none"), {}, 0, false, {}},
        {"select 0,2", Kind::Select, QString(), {}, 0, false, {0, 2}},
        {"select 5, 1 ,3", Kind::Select, QString(), {}, 0, false, {5, 1, 3}},
        {"select 7", Kind::Select, QString(), {}, 0, false, {7}},
        {"wait-jobs 5000", Kind::WaitJobs, QString(), {}, 0, false, {5000}},
        {"task Resize pictures", Kind::Task, QStringLiteral("Resize pictures"), {}, 0, false, {}},
    };
    for (const Case& c : cases) {
        const ScriptLine parsed = parseScriptLine(QString::fromLatin1(c.line));
        ASSERT_TRUE(parsed.command) << c.line << ": " << parsed.error.toStdString();
        EXPECT_EQ(parsed.command->kind, c.kind) << c.line;
        EXPECT_EQ(parsed.command->text, c.text) << c.line;
        EXPECT_EQ(parsed.command->value, c.value) << c.line;
        EXPECT_EQ(parsed.command->fieldNumber, c.fieldNumber) << c.line;
        EXPECT_EQ(parsed.command->on, c.on) << c.line;
        EXPECT_EQ(parsed.command->numbers, c.numbers) << c.line;
    }
}
