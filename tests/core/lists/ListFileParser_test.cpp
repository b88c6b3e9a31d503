#include "core/lists/ListFileParser.h"

#include <gtest/gtest.h>

using namespace vistello;

namespace {

struct GrammarCase {
    const char* name;
    const char16_t* text;
    std::vector<std::pair<QString, QString>> records; // name, comment
};

void PrintTo(const GrammarCase& c, std::ostream* os) { *os << c.name; }

class ListFileGrammar : public testing::TestWithParam<GrammarCase> {};

std::vector<std::pair<QString, QString>> R(std::initializer_list<std::pair<const char16_t*, const char16_t*>> rows)
{
    std::vector<std::pair<QString, QString>> out;
    for (const auto& [n, c] : rows)
        out.emplace_back(QString::fromUtf16(n), QString::fromUtf16(c));
    return out;
}

} // namespace

TEST_P(ListFileGrammar, SplitsNamesAndComments)
{
    const GrammarCase& c = GetParam();
    std::vector<std::pair<QString, QString>> got;
    for (const ListFileRecord& r : parseListText(QString::fromUtf16(c.text)))
        got.emplace_back(r.name, r.comment);
    EXPECT_EQ(got, c.records);
}

INSTANTIATE_TEST_SUITE_P(
    ListFile, ListFileGrammar,
    testing::Values(
        GrammarCase{"NameOnlyWithoutLineEnd", u"a.jpg", R({{u"a.jpg", u""}})},
        GrammarCase{"NamesOnePerLine", u"a.jpg\r\nb.jpg\nc.jpg\r", R({{u"a.jpg", u""}, {u"b.jpg", u""}, {u"c.jpg", u""}})},
        GrammarCase{"BlankLinesAndLeadingBlanksSkipped", u"\r\n\r\n  \t a.jpg\n\n\tb.jpg",
                    R({{u"a.jpg", u""}, {u"b.jpg", u""}})},
        GrammarCase{"CommaSeparator", u"a.jpg,Sunset at sea", R({{u"a.jpg", u"Sunset at sea"}})},
        GrammarCase{"SemicolonSeparator", u"a.jpg;x", R({{u"a.jpg", u"x"}})},
        GrammarCase{"EqualsSeparatorWithBlanks", u"a.jpg=  the comment ", R({{u"a.jpg", u"the comment "}})},
        GrammarCase{"UnquotedCommentKeepsSeparators", u"a.jpg,one, two; three=four\r\nb.jpg",
                    R({{u"a.jpg", u"one, two; three=four"}, {u"b.jpg", u""}})},
        GrammarCase{"QuotedNameQuotedCommentSemicolon", u"\"dir/a b.jpg\";\"It's fine\"\r\n",
                    R({{u"dir/a b.jpg", u"It's fine"}})},
        GrammarCase{"QuotedNameWithBlanksBeforeSeparator", u"\"a.jpg\"  , \"c\"", R({{u"a.jpg", u"c"}})},
        GrammarCase{"QuotedNameHoldsSeparators", u"\"a,b;c=d.jpg\",x", R({{u"a,b;c=d.jpg", u"x"}})},
        GrammarCase{"QuotedNameAcrossLineBreak", u"\"a\nb.jpg\"\r\nc.jpg", R({{u"a\nb.jpg", u""}, {u"c.jpg", u""}})},
        GrammarCase{"DoubledQuoteInComment", u"a.jpg,\"say \"\"cheese\"\"\"", R({{u"a.jpg", u"say \"cheese\""}})},
        GrammarCase{"DoubledQuoteInQuotedName", u"\"my \"\"best\"\".jpg\",c", R({{u"my \"best\".jpg", u"c"}})},
        GrammarCase{"QuotedCommentEndsAtLineBreak", u"a.jpg,\"open\nb.jpg", R({{u"a.jpg", u"open"}, {u"b.jpg", u""}})},
        GrammarCase{"TextAfterQuotedCommentStartsAnotherName", u"a.jpg,\"c\" b.jpg\r\n",
                    R({{u"a.jpg", u"c"}, {u"b.jpg", u""}})},
        GrammarCase{"QuotedNameTrailingBlankKept", u"\"c/sample2.jpg \", \"c2\"", R({{u"c/sample2.jpg ", u"c2"}})},
        GrammarCase{"UnterminatedQuotedName", u"\"a.jpg", R({{u"a.jpg", u""}})},
        GrammarCase{"EmptyNames", u",c\r\n\"\"\r\n", R({{u"", u"c"}, {u"", u""}})},
        GrammarCase{"SeparatorAtEnd", u"a.jpg,", R({{u"a.jpg", u""}})},
        GrammarCase{"EmptyText", u"", R({})}),
    [](const testing::TestParamInfo<GrammarCase>& p) { return p.param.name; });
