#pragma once
// The search texts' regular-expression dialect (Perl style, see
// SearchPattern) checked and rewritten into the syntax of the matching
// engine (PCRE2). Every construct of the dialect is written out explicitly
// (literals as \x{...}, back-references as \g{N}, the extended flag applied
// here), so the engine's own extensions never leak into the dialect.
#include <QString>
#include <QStringView>

namespace vistello {

enum RegexFlag : unsigned {
    RegexNoCase = 1u << 0,     // i
    RegexMultiLine = 1u << 1,  // m
    RegexSingleLine = 1u << 2, // s
    RegexExtended = 1u << 3,   // x: white space in the pattern is ignored
};

namespace regex_message {
inline constexpr const char* kEndOfSet = "expecting end of character set";
inline constexpr const char* kBadRange = "invalid range specified in character set";
inline constexpr const char* kNoSuchGroup = "reference to nonexistent group";
inline constexpr const char* kCountOrder = "Can't do {n, m} with n > m";
inline constexpr const char* kQuantifierNotExpected = "quantifier not expected";
inline constexpr const char* kCannotQuantify = "sub-expression cannot be quantified";
inline constexpr const char* kLookAroundQuantified = "look-ahead assertion cannot be quantified";
inline constexpr const char* kRecursionQuantified = "recursion sub-expression cannot be quantified";
inline constexpr const char* kQuoteNotOn = "quotemeta turned off, but was never turned on";
inline constexpr const char* kIncompleteControl = "incomplete escape sequence \\c";
inline constexpr const char* kParenthesis = "mismatched parenthesis";
inline constexpr const char* kTooManyAlternates = "Too many alternates in conditional subexpression";
inline constexpr const char* kEndOfComment = "Expecting end of comment";
inline constexpr const char* kBadExtension = "bad extension sequence";
inline constexpr const char* kIllFormed = "ill-formed regular expression";
} // namespace regex_message

struct DialectTranslation {
    QString enginePattern; // valid when error is empty
    unsigned engineFlags = 0; // RegexNoCase/MultiLine/SingleLine for the engine
    QString error;            // one of regex_message
};

// Patterns longer than this (UTF-16 units) are ill-formed.
inline constexpr qsizetype kMaxPatternUnits = 8192;

DialectTranslation translateDialect(QStringView pattern, unsigned flags);

} // namespace vistello
