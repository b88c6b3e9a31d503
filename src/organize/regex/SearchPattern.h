#pragma once
// A compiled search expression. The dialect (Perl style):
//   literals; "." (any character but a line break; any with s); "^" and "$"
//   (text start, text end or before a final line break; line starts and
//   ends with m); "|"; capturing "(...)"; "*" "+" "?" "{n}" "{n,}" "{n,m}",
//   lazy with a following "?"; "(?:" "(?=" "(?!" "(?<=" "(?<!" "(?>"
//   "(?#...)"; "(?(N)yes|no)" and "(?(?=...)yes|no)" with any assertion;
//   "(?R)"; flag groups "(?imsx-imsx)" and "(?imsx-imsx:...)"; "\d \D \w \W
//   \s \S \b \B \A \Z \z", "\Q...\E", back-references "\1" to "\9";
//   character escapes "\a \e \f \n \r \t \v", "\x" with any number of hex
//   digits or "\x{...}", "\cX", "\0" with octal digits; any other escaped
//   character stands for itself; classes "[...]" with "^", ranges, the
//   class escapes, "\b" (backspace) and the POSIX classes "[:alpha:]" and
//   "[:^alpha:]" and their kin.
// Matching runs on PCRE2 with Unicode case folding and limits on
// backtracking, recursion depth and memory: a match that reaches a limit
// counts as no match, so no pattern hangs the search or overflows a stack.
// The matching stack grows with the text, so a long comment still matches
// to its end.
#include "organize/regex/DialectTranslation.h"

#include <QString>
#include <QStringView>
#include <memory>

namespace vistello {

class SearchPattern {
public:
    // flags: RegexFlag bits; the search always uses RegexNoCase alone.
    static SearchPattern compile(QStringView pattern, unsigned flags = RegexNoCase);

    bool isValid() const { return code_ != nullptr; }
    // The dialect's message for a pattern that does not compile.
    QString errorMessage() const { return error_; }

    // Non-overlapping matches from left to right (an empty match is not
    // taken twice at one position); 0 for an invalid pattern.
    int countMatches(QStringView text) const;
    bool matches(QStringView text) const;

private:
    struct Code;
    std::shared_ptr<const Code> code_;
    QString error_;
};

} // namespace vistello
