// The search page's rules: which ticked field stops a start, the days its
// calendars show, and what the user is told when a search has ended.
#include "app/window/search/SearchPageRules.h"

#include <gtest/gtest.h>
#include <optional>

namespace vistello {
namespace {

TEST(SearchPageFields, FirstTickedUnusableFieldStopsTheStart)
{
    struct Case {
        const char* what;
        SearchSettings settings;
        std::optional<SearchField> field;
        const char* title;
    };
    const auto with = [](auto change) {
        SearchSettings s;
        change(s);
        return s;
    };
    const Case cases[] = {
        {"nothing ticked, empty texts", with([](SearchSettings&) {}), std::nullopt, ""},
        {"unticked bad texts are not checked", with([](SearchSettings& s) {
             s.name = "a{3,2}";
             s.listComment = "[";
         }),
         std::nullopt, ""},
        {"ticked empty name", with([](SearchSettings& s) { s.useName = true; }), SearchField::Name,
         "Empty search text"},
        {"ticked bad file comment", with([](SearchSettings& s) {
             s.useName = true;
             s.name = "^img";
             s.useFileComment = true;
             s.fileComment = "a{3,2}";
         }),
         SearchField::FileComment, "Invalid search text"},
        {"the name comes first", with([](SearchSettings& s) {
             s.useName = true;
             s.name = "(abc";
             s.useListComment = true;
             s.listComment = "";
         }),
         SearchField::Name, "Invalid search text"},
        {"unclosed class in the list comment", with([](SearchSettings& s) {
             s.useListComment = true;
             s.listComment = "[abc";
         }),
         SearchField::ListComment, "Invalid search text"},
        {"inline flags are the dialect's", with([](SearchSettings& s) {
             s.useName = true;
             s.name = "(?-i)IMG_\\d{4}";
         }),
         std::nullopt, ""},
        {"a dialect-only construct", with([](SearchSettings& s) {
             s.useName = true;
             s.name = "\\Qa.b\\E";
         }),
         std::nullopt, ""},
    };
    for (const Case& c : cases) {
        const std::optional<SearchFieldProblem> problem = checkSearchFields(c.settings);
        ASSERT_EQ(problem.has_value(), c.field.has_value()) << c.what;
        if (!problem)
            continue;
        EXPECT_EQ(problem->field, *c.field) << c.what;
        EXPECT_EQ(problem->title, QString::fromUtf8(c.title)) << c.what;
        EXPECT_TRUE(problem->text.endsWith("Note: You can also use regular expressions.")) << c.what;
    }
}

TEST(SearchPageFields, TheDialectSaysWhyAnExpressionFails)
{
    SearchSettings s;
    s.useName = true;
    s.name = "a{3,2}";
    const std::optional<SearchFieldProblem> problem = checkSearchFields(s);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->dialectMessage, QStringLiteral("Can't do {n, m} with n > m"));
    EXPECT_EQ(problem->text, QStringLiteral("The search text is invalid.\nNote: You can also use regular expressions."));
}

TEST(SearchPageCalendars, StoredDaysAndTheDayNeverChosen)
{
    const QDate today(2026, 12, 10);
    EXPECT_EQ(calendarDay(0, today), today);
    // 2004-01-01 00:00 as 100-nanosecond units since 1601-01-01.
    EXPECT_EQ(calendarDay(127173888000000000ull, today), QDate(2004, 1, 1));
    // Late in the day is still that day.
    EXPECT_EQ(calendarDay(127173888000000000ull + 863999999999ull, today), QDate(2004, 1, 1));
    EXPECT_EQ(calendarDay(~uint64_t(0), today), today); // past the calendar's last day
    EXPECT_EQ(calendarDay(uint64_t(int64_t(QDate(1601, 1, 1).daysTo(QDate(9999, 12, 31)))) * 864000000000ull, today),
              QDate(9999, 12, 31));
}

TEST(SearchPageEnd, QuestionOrMessage)
{
    SearchSettings byName;
    byName.useName = true;
    SearchSettings listOnly;
    listOnly.useListComment = true;
    struct Case {
        const SearchSettings* settings;
        int results;
        const char* text;
        bool ask;
    };
    const Case cases[] = {
        {&byName, 0, "No pictures were found that matches the search criteria.", false},
        {&listOnly, 0, "No pictures were found that matches the search criteria.", false},
        {&byName, 3, "The picture search is finished. 3 pictures have been found.\nWould you like to see these pictures?",
         true},
        {&listOnly, 2, "The picture search is finished.\nWould you like to see these pictures?", true},
    };
    for (const Case& c : cases) {
        const SearchEnd end = searchEnd(*c.settings, c.results);
        EXPECT_EQ(end.text, QString::fromUtf8(c.text));
        EXPECT_EQ(end.ask, c.ask) << c.text;
    }
}

TEST(SearchPageFolders, LabelShowsAnExampleList)
{
    const QString label = searchFoldersLabel(QStringLiteral("/home/me/Pictures/"));
    EXPECT_TRUE(label.startsWith(QStringLiteral("List of the folders to be search. e.g.:  /home/me/Pictures;"))) << label.toStdString();
}

TEST(SearchPageFolders, CompletionWorksOnTheLastFolder)
{
    struct Case {
        const char* list;
        const char* typed;
        const char* completed; // with "/home/me/Pictures" chosen
    };
    const Case cases[] = {
        {"", "", "/home/me/Pictures"},
        {"/home/me/Pi", "/home/me/Pi", "/home/me/Pictures"},
        {"/data;/home/me/Pi", "/home/me/Pi", "/data;/home/me/Pictures"},
        {"/data; /home/me/Pi", "/home/me/Pi", "/data;/home/me/Pictures"},
        {"/a;/b;", "", "/a;/b;/home/me/Pictures"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(folderBeingTyped(QString::fromUtf8(c.list)), QString::fromUtf8(c.typed)) << c.list;
        EXPECT_EQ(withFolderCompleted(QString::fromUtf8(c.list), QStringLiteral("/home/me/Pictures")),
                  QString::fromUtf8(c.completed))
            << c.list;
    }
}

} // namespace
} // namespace vistello
