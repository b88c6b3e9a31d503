#include "app/window/frame/Accelerators.h"

#include <QKeySequence>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

QKeyCombination keys(const char* text)
{
    return QKeySequence::fromString(QString::fromLatin1(text), QKeySequence::PortableText)[0];
}

int commandOf(const char* text, bool textField = false)
{
    const std::optional<Accelerator> hit = routeKey(keys(text), {textField});
    return hit ? hit->command : 0;
}

} // namespace

// Key texts as a user types them in a script, with the command each runs.
TEST(WindowAccelerators, EveryRowRunsItsCommand)
{
    const std::pair<const char*, int> rows[] = {
        {"F1", 40004},          {"F2", 40073},      {"F3", 40060},        {"F4", 40166},
        {"F5", 40019},          {"F8", 40360},      {"F9", 40005},        {"F10", 40009},
        {"F11", 40001},         {"Alt+Return", 40029}, {"Shift+Return", 40029}, {"Shift+Alt+Return", 40029},
        {"Alt+Enter", 40029},   {"Return", 40375},  {"Enter", 40375},     {"Esc", 40373},
        {"Tab", 40445},         {"Del", 40008},     {"Ctrl+Del", 40008},     {"Ctrl+A", 40164},    {"Ctrl+B", 40443},
        {"Ctrl+E", 40124},      {"Ctrl+F", 40402},  {"Ctrl+I", 40071},    {"Ctrl+K", 40438},
        {"Ctrl+L", 40126},      {"Ctrl+R", 40210},  {"Ctrl+S", 40000},    {"Ctrl+V", 40261},
        {"Ctrl+X", 40470},      {"Ctrl+Z", 40093},  {"Alt+1", 40175},     {"Ctrl+Alt+1", 40175},
        {"Alt+2", 40165},       {"Ctrl+Alt+2", 40165}, {"Alt+3", 40168},  {"Forward", 40002},
        {"Back", 40003},
    };
    for (const auto& [text, command] : rows)
        EXPECT_EQ(commandOf(text), command) << text;
    EXPECT_EQ(accelerators().size(), std::size(rows) - 2); // Enter and Alt+Enter are Return's rows

    EXPECT_TRUE(routeKey(keys("Ctrl+Alt+2"), {})->inMemoryOnly);
    EXPECT_FALSE(routeKey(keys("Alt+2"), {})->inMemoryOnly);
    for (const char* none : {"F6", "F12", "Ctrl+C", "Ctrl+Shift+S", "A", "Left", "Alt+4", "Backspace"})
        EXPECT_EQ(commandOf(none), 0) << none;
    EXPECT_EQ(routeMouseButton(Qt::ForwardButton), 40002);
    EXPECT_EQ(routeMouseButton(Qt::BackButton), 40003);
    EXPECT_FALSE(routeMouseButton(Qt::LeftButton));
}

TEST(WindowAccelerators, TextFieldKeepsItsEditingKeys)
{
    for (const char* kept : {"Del", "Ctrl+Del", "Backspace", "Ctrl+A", "Ctrl+C", "Ctrl+V", "Ctrl+X", "Ctrl+Z", "Home", "End",
                             "Left", "Right", "Up", "Down", "Return", "Enter"})
        EXPECT_EQ(commandOf(kept, true), 0) << kept;
    // Everything else still reaches the window.
    const std::pair<const char*, int> passed[] = {{"F11", 40001}, {"Esc", 40373}, {"Tab", 40445},
                                                  {"Ctrl+S", 40000}, {"Alt+Return", 40029}, {"Alt+1", 40175}};
    for (const auto& [text, command] : passed)
        EXPECT_EQ(commandOf(text, true), command) << text;
}
