// The search dialect: every message by one pattern each, the documented
// examples, and match counts against Perl's own engine (run at test time)
// over a table of patterns and texts.
#include "organize/regex/SearchPattern.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

namespace msg = regex_message;

struct MessageCase {
    const char16_t* pattern;
    const char* message;
};

const MessageCase kMessages[] = {
    {u"[abc", msg::kEndOfSet},
    {u"[z-a]", msg::kBadRange},
    {u"(a)\\2", msg::kNoSuchGroup},
    {u"(?(2)a|b)(c)", msg::kNoSuchGroup},
    {u"a{3,2}", msg::kCountOrder},
    {u"*a", msg::kQuantifierNotExpected},
    {u"a|+", msg::kQuantifierNotExpected},
    {u"a**", msg::kQuantifierNotExpected},
    {u"^*", msg::kCannotQuantify},
    {u"a\\b+", msg::kCannotQuantify},
    {u"(?=a)*", msg::kLookAroundQuantified},
    {u"(?<!a){2}", msg::kLookAroundQuantified},
    {u"(?R)+", msg::kRecursionQuantified},
    {u"a\\E", msg::kQuoteNotOn},
    {u"a\\c", msg::kIncompleteControl},
    {u"(a", msg::kParenthesis},
    {u"a)", msg::kParenthesis},
    {u"(x)(?(1)a|b|c)", msg::kTooManyAlternates},
    {u"(?#abc", msg::kEndOfComment},
    {u"(?P<n>a)", msg::kBadExtension},
    {u"(?(a)b)", msg::kBadExtension},
    {u"(?", msg::kBadExtension},
    {u"\\x{110000}", msg::kIllFormed},
    {u"\\x110000", msg::kIllFormed},
    {u"(?<=a+)b", msg::kIllFormed},
    {u"[[:bogus:]]", msg::kIllFormed},
    {u"a\\", msg::kIllFormed},
    {u"a{70000}", msg::kIllFormed},
};

TEST(RegexDialect, EveryMessageHasItsPattern)
{
    for (const MessageCase& c : kMessages) {
        const SearchPattern p = SearchPattern::compile(QString::fromUtf16(c.pattern));
        EXPECT_FALSE(p.isValid()) << QString::fromUtf16(c.pattern).toStdString();
        EXPECT_EQ(p.errorMessage().toStdString(), c.message) << QString::fromUtf16(c.pattern).toStdString();
    }
}

struct CountCase {
    const char16_t* pattern;
    unsigned flags;
    const char16_t* text;
    int count;
};

// The documented examples and what Perl cannot check (flags the program
// sets, the dialect's own escapes).
const CountCase kCounts[] = {
    {u"img_\\d{4}", RegexNoCase, u"IMG_0001.JPG", 1},
    {u"(?-i)IMG", RegexNoCase, u"img_0001.jpg", 0},
    {u"\\Qa.b\\E", RegexNoCase, u"a.b", 1},
    {u"\\Qa.b\\E", RegexNoCase, u"axb", 0},
    {u"[[:digit:]]+", RegexNoCase, u"2004", 1},
    {u"^img", RegexNoCase, u"IMG_0001.JPG", 1},
    {u"^img", RegexNoCase, u"MY_IMG.JPG", 0},
    {u"\\x414", 0, u"\u0414", 1},           // any number of hex digits (Perl takes two)
    {u"a b", RegexExtended, u"ab", 1},      // x drops white space
    {u"(? i)A", RegexExtended, u"a", 1},    // also right after "(?"
    {u"a#b", RegexExtended, u"a#b", 1},     // but "#" is no comment
    {u"\\p", 0, u"p", 1},                   // unknown escapes are the character
    {u"\\K", 0, u"K", 1},
    {u"\\h", 0, u"h", 1},
    {u"\\v", 0, u"\v", 1},                  // vertical tab, not a class
    {u"stra\u00dfe", RegexNoCase, u"STRA\u00dfE", 1},
    {u"\u00e9t\u00e9", RegexNoCase, u"\u00c9T\u00c9", 1},    // Unicode case folding
    {u"\u03c3", RegexNoCase, u"\u03a3\u03c2", 2},
    {u"x*", 0, u"\U0001F600\U0001F600", 3}, // empty matches step by characters, not units
};

TEST(RegexDialect, CountsOfTheDialectsOwnCases)
{
    for (const CountCase& c : kCounts) {
        const SearchPattern p = SearchPattern::compile(QString::fromUtf16(c.pattern), c.flags);
        ASSERT_TRUE(p.isValid()) << QString::fromUtf16(c.pattern).toStdString() << ": " << p.errorMessage().toStdString();
        EXPECT_EQ(p.countMatches(QString::fromUtf16(c.text)), c.count) << QString::fromUtf16(c.pattern).toStdString();
    }
}

TEST(RegexDialect, CatastrophicPatternsGiveUpQuickly)
{
    // Backtracking over 2^40 ways, and recursion 100,000 deep: the limits
    // end both at once instead of hanging or overflowing the stack.
    const struct {
        const char16_t* pattern;
        QString text;
    } cases[] = {
        {u"(a+)+$", QString(40, QLatin1Char('a')) + QLatin1Char('!')},
        {u"(a|aa)+b", QString(60, QLatin1Char('a'))},
        {u"a(?:(?R)|)b", QString(100000, QLatin1Char('a')) + QString(100000, QLatin1Char('b'))},
        {u"((((((((((x*)*)*)*)*)*)*)*)*)*)*y", QString(5000, QLatin1Char('x'))},
    };
    for (const auto& c : cases) {
        const SearchPattern p = SearchPattern::compile(QString::fromUtf16(c.pattern));
        ASSERT_TRUE(p.isValid()) << QString::fromUtf16(c.pattern).toStdString();
        QElapsedTimer timer;
        timer.start();
        p.countMatches(c.text);
        EXPECT_LT(timer.elapsed(), 100) << QString::fromUtf16(c.pattern).toStdString();
    }
    EXPECT_EQ(SearchPattern::compile(u"(a+)+$").countMatches(QString(40, QLatin1Char('a')) + QLatin1Char('!')), 0);
}

TEST(RegexDialect, RunawayAlternativeIsStoppedBeforeTheNextOne)
{
    // The first alternative tries 2^20 ways before failing; the second would
    // then match (Perl counts 1). The backtracking limit ends the attempt
    // first, so the text counts as no match, as documented.
    const QString text = QString(20, QLatin1Char('a')) + QLatin1Char('!');
    EXPECT_EQ(SearchPattern::compile(u"^(a|a)*c|^a*!").countMatches(text), 0);
    // The same text without the runaway alternative matches.
    EXPECT_EQ(SearchPattern::compile(u"^a*!").countMatches(text), 1);
}

TEST(RegexDialect, LongTextsMatchToTheirEnd)
{
    // Each repetition of the group keeps a backtracking point: 100,000 of
    // them outgrow a small matching stack, yet the match is legitimate.
    for (const int length : {2000, 10000, 100000}) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += QLatin1Char(i % 2 ? 'b' : 'a');
        EXPECT_EQ(SearchPattern::compile(u"(a|b)*c").countMatches(text + QLatin1Char('c')), 1) << length;
        EXPECT_TRUE(SearchPattern::compile(u"(a|b)*c").matches(text + QLatin1Char('c'))) << length;
        EXPECT_EQ(SearchPattern::compile(u"(a|b)*c").countMatches(text + QLatin1Char('d')), 0) << length;
    }
}

// Patterns whose meaning Perl shares, each against every text below. Not
// here, because they differ on purpose: "\x" with more than two digits
// (any number in the dialect), escapes Perl gives a meaning the dialect
// does not ("\p", "\h", "\K", "\v" ...: the character itself), "#" under
// the x flag (no comment), and "\Q" (Perl quotes it only in string
// interpolation, never inside a pattern held in a variable).
const char16_t* const kPerlPatterns[] = {
    u"a", u"ab|cd", u"^a", u"a$", u"^$", u".", u"a.c", u"a*", u"a+", u"a?", u"a*?", u"a+?b", u"a??",
    u"a{2}", u"a{2,}", u"a{1,2}", u"a{2,3}?", u"(ab)+", u"(a|b)*c", u"(?:ab)+", u"\\d+", u"\\D", u"\\w+",
    u"\\W", u"\\s", u"\\S+", u"\\bab", u"ab\\b", u"\\Bb", u"\\Aab", u"c\\Z", u"c\\z", u"[abc]", u"[^abc]",
    u"[a-c]+", u"[]a]", u"[^]a]", u"[a\\-z]", u"[-a]", u"[a-]", u"[\\d.]+", u"[\\w-]+", u"[[:alpha:]]+",
    u"[[:^alpha:]]", u"[[:upper:]]", u"[[:space:]]", u"[[:punct:]]", u"[[:xdigit:]]+", u"(a)\\1",
    u"(\\w)\\1", u"(a)(b)\\2\\1", u"a(?=b)", u"a(?!b)", u"(?<=a)b", u"(?<!a)b", u"(?>a+)b", u"a(?#note)b",
    u"(a)?(?(1)b|c)", u"(?(?=a)ab|cd)", u"(?i)AB", u"(?i:A)b", u"a(?i)B", u"(?s)a.c", u"(?m)^c",
    u"(?m)a$", u"\\x61", u"\\x{62}", u"\\t", u"\\n", u"\\e", u"\\cA", u"\\01", u"\\.",
    u"\\(", u"a\\*", u"x*", u"", u"b*", u"(a|ab)(c|bcd)(d*)", u"\\(?a\\)?", u"[.]", u"(?x) a b ",
    u"a{0}", u"(?:a|)+b", u"ab{0,1}c", u"(?:(a)|b)+",
};

const char16_t* const kPerlTexts[] = {u"abc", u"aab\nabc\n", u"ABab cd", u"a.c a\tc 12-34", u""};

// Perl's count of non-overlapping matches for each (pattern, text); empty
// when perl is not there.
std::vector<int> perlCounts(const std::vector<std::pair<QString, QString>>& pairs)
{
    const QString perl = QStandardPaths::findExecutable(QStringLiteral("perl"));
    test::TempDir dir;
    if (perl.isEmpty() || !dir.isValid())
        return {};
    QByteArray input;
    for (const auto& [pattern, text] : pairs)
        input += pattern.toUtf8().toHex() + ' ' + text.toUtf8().toHex() + '\n';
    const QString script = dir.write(QStringLiteral("count.pl"), R"(
use strict; use utf8;
binmode STDOUT;
open(my $in, '<', $ARGV[0]) or die;
while (my $line = <$in>) {
    chomp $line;
    my ($p, $t) = map { my $s = pack('H*', $_); utf8::decode($s); $s } split(/ /, $line, -1);
    $t = '' unless defined $t;
    my $n = 0;
    $n++ while $t =~ /$p/g;
    print "$n\n";
}
)");
    const QString pairsFile = dir.write(QStringLiteral("pairs.txt"), input);
    const test::ProcessRun run = test::runProgram(perl, {script, pairsFile});
    std::vector<int> counts;
    for (const QByteArray& line : run.out.split('\n'))
        if (!line.isEmpty())
            counts.push_back(line.toInt());
    return run.exitCode == 0 && counts.size() == pairs.size() ? counts : std::vector<int>{};
}

TEST(RegexDialect, CountsAgreeWithPerl)
{
    std::vector<std::pair<QString, QString>> pairs;
    for (const char16_t* pattern : kPerlPatterns)
        for (const char16_t* text : kPerlTexts)
            pairs.emplace_back(QString::fromUtf16(pattern), QString::fromUtf16(text));
    const std::vector<int> expected = perlCounts(pairs);
    if (expected.empty())
        SKIP_OR_FAIL("perl is not available");
    ASSERT_GE(pairs.size(), 300u);
    for (size_t i = 0; i < pairs.size(); ++i) {
        const SearchPattern p = SearchPattern::compile(pairs[i].first, 0);
        ASSERT_TRUE(p.isValid()) << pairs[i].first.toStdString() << ": " << p.errorMessage().toStdString();
        EXPECT_EQ(p.countMatches(pairs[i].second), expected[i])
            << "/" << pairs[i].first.toStdString() << "/ on \"" << pairs[i].second.toStdString() << "\"";
    }
}

TEST(RegexCli, PrintsCountsAndMessages)
{
    SKIP_WITHOUT_CLI();
    const test::CliRun counts = test::runCli({QStringLiteral("regex"), QStringLiteral("-i"), QStringLiteral("^img"),
                                              QStringLiteral("IMG_1.JPG"), QStringLiteral("my_img.jpg")});
    EXPECT_EQ(counts.exitCode, 0);
    EXPECT_EQ(counts.out, QStringLiteral("1\n0\n"));
    const test::CliRun bad = test::runCli({QStringLiteral("regex"), QStringLiteral("a{3,2}"), QStringLiteral("a")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, QStringLiteral("vistello-cli regex: Can't do {n, m} with n > m\n"));
}

} // namespace
