#include "organize/regex/DialectTranslation.h"

#include <QList>
#include <array>
#include <optional>
#include <vector>

namespace vistello {

namespace {

namespace msg = regex_message;

constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr int kMaxCount = 65535; // the engine's largest counted repeat

// What the last item was, for deciding whether a quantifier may follow.
enum class Last { Nothing, Atom, Quantified, Anchor, LookAround, Recursion };

enum class GroupKind { Plain, LookAround, Conditional };

struct Group {
    GroupKind kind = GroupKind::Plain;
    unsigned flags = 0;
    int alternatives = 1;
};

// Thrown inside the translator only, caught in translateDialect.
struct DialectError {
    const char* message;
};

bool isSpace(char32_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }

int hexValue(char32_t c)
{
    if (c >= '0' && c <= '9')
        return int(c - '0');
    if (c >= 'a' && c <= 'f')
        return int(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return int(c - 'A' + 10);
    return -1;
}

// Character escapes shared by classes and the rest of the pattern.
std::optional<char32_t> simpleEscape(char32_t c)
{
    switch (c) {
    case 'a': return 7;
    case 'e': return 27;
    case 'f': return 12;
    case 'n': return 10;
    case 'r': return 13;
    case 't': return 9;
    case 'v': return 11;
    default: return std::nullopt;
    }
}

constexpr std::array<const char*, 12> kPosixClasses = {"alnum", "alpha", "blank", "cntrl", "digit", "graph",
                                                       "lower", "print", "punct", "space", "upper", "xdigit"};

class Translator {
public:
    Translator(QStringView pattern, unsigned flags)
    {
        const QList<uint> units = pattern.toUcs4();
        p_.assign(units.cbegin(), units.cend());
        groups_.push_back({GroupKind::Plain, flags, 1});
    }

    QString run()
    {
        while (i_ < p_.size()) {
            const char32_t c = p_[i_];
            if ((flags() & RegexExtended) && isSpace(c)) {
                ++i_;
                continue;
            }
            switch (c) {
            case '\\': escape(); break;
            case '[': characterClass(); break;
            case '(': openGroup(); break;
            case ')': closeGroup(); break;
            case '|': alternative(); break;
            case '*': case '+': case '?':
                ++i_;
                quantifier(QString(QChar(char16_t(c))));
                break;
            case '{':
                if (std::optional<QString> counted = countedQuantifier()) {
                    quantifier(*counted);
                } else {
                    ++i_;
                    literal(c);
                }
                break;
            case '.':
                ++i_;
                out_ += QLatin1Char('.');
                last_ = Last::Atom;
                break;
            case '^': case '$':
                ++i_;
                out_ += QChar(char16_t(c));
                last_ = Last::Anchor;
                break;
            default:
                ++i_;
                literal(c);
            }
        }
        if (groups_.size() > 1)
            throw DialectError{msg::kParenthesis};
        if (highestReference_ > groupCount_)
            throw DialectError{msg::kNoSuchGroup};
        return out_;
    }

private:
    unsigned flags() const { return groups_.back().flags; }
    bool at(size_t index, char32_t c) const { return index < p_.size() && p_[index] == c; }

    void emitCodePoint(char32_t c)
    {
        if ((c < 0x80 && ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))))
            out_ += QChar(char16_t(c));
        else
            out_ += QStringLiteral("\\x{%1}").arg(uint(c), 0, 16);
    }

    void literal(char32_t c)
    {
        emitCodePoint(c);
        last_ = Last::Atom;
    }

    void quantifier(const QString& text)
    {
        switch (last_) {
        case Last::Atom: break;
        case Last::Nothing:
        case Last::Quantified: throw DialectError{msg::kQuantifierNotExpected};
        case Last::Anchor: throw DialectError{msg::kCannotQuantify};
        case Last::LookAround: throw DialectError{msg::kLookAroundQuantified};
        case Last::Recursion: throw DialectError{msg::kRecursionQuantified};
        }
        out_ += text;
        if (at(i_, '?')) {
            out_ += QLatin1Char('?');
            ++i_;
        }
        last_ = Last::Quantified;
    }

    // "{n}", "{n,}" or "{n,m}" at i_ (consumed), as the engine writes it;
    // anything else leaves "{" a literal.
    std::optional<QString> countedQuantifier()
    {
        size_t j = i_ + 1;
        const auto number = [&]() -> std::optional<int> {
            if (j >= p_.size() || !isDigit(p_[j]))
                return std::nullopt;
            long long value = 0;
            while (j < p_.size() && isDigit(p_[j])) {
                value = std::min<long long>(value * 10 + (p_[j] - '0'), kMaxCount + 1);
                ++j;
            }
            return int(value);
        };
        const std::optional<int> low = number();
        if (!low)
            return std::nullopt;
        std::optional<int> high = low;
        bool open = false;
        if (at(j, ',')) {
            ++j;
            high = number();
            open = !high;
        }
        if (!at(j, '}'))
            return std::nullopt;
        i_ = j + 1;
        if (*low > kMaxCount || (high && *high > kMaxCount))
            throw DialectError{msg::kIllFormed};
        if (high && *low > *high)
            throw DialectError{msg::kCountOrder};
        if (open)
            return QStringLiteral("{%1,}").arg(*low);
        return *high == *low ? QStringLiteral("{%1}").arg(*low) : QStringLiteral("{%1,%2}").arg(*low).arg(*high);
    }

    // "\x" with any number of hex digits, or "\x{...}"; i_ is after the "x".
    char32_t hexEscape()
    {
        const bool braced = at(i_, '{');
        if (braced)
            ++i_;
        char32_t value = 0;
        while (i_ < p_.size() && hexValue(p_[i_]) >= 0) {
            value = value * 16 + char32_t(hexValue(p_[i_]));
            if (value > kMaxCodePoint)
                throw DialectError{msg::kIllFormed};
            ++i_;
        }
        if (braced) {
            if (!at(i_, '}'))
                throw DialectError{msg::kIllFormed};
            ++i_;
        }
        return value;
    }

    // "\0" and up to two more octal digits; i_ is after the "0".
    char32_t octalEscape()
    {
        char32_t value = 0;
        for (int n = 0; n < 2 && i_ < p_.size() && p_[i_] >= '0' && p_[i_] <= '7'; ++n, ++i_)
            value = value * 8 + (p_[i_] - '0');
        return value;
    }

    // "\c" and a character: the character upper-cased, exclusive-or 0x40.
    char32_t controlEscape()
    {
        if (i_ >= p_.size())
            throw DialectError{msg::kIncompleteControl};
        char32_t c = p_[i_++];
        if (c >= 'a' && c <= 'z')
            c -= 'a' - 'A';
        return c ^ 0x40;
    }

    // A character escape (not a class or assertion) whose letter is at
    // i_ - 1; i_ moves past its digits.
    char32_t characterEscape(char32_t e)
    {
        if (std::optional<char32_t> simple = simpleEscape(e))
            return *simple;
        switch (e) {
        case 'x': return hexEscape();
        case '0': return octalEscape();
        case 'c': return controlEscape();
        default: return e; // any other escaped character stands for itself
        }
    }

    void escape()
    {
        if (i_ + 1 >= p_.size())
            throw DialectError{msg::kIllFormed};
        const char32_t e = p_[i_ + 1];
        i_ += 2;
        switch (e) {
        case 'd': case 'D': case 'w': case 'W': case 's': case 'S':
            out_ += QLatin1Char('\\') + QChar(char16_t(e));
            last_ = Last::Atom;
            return;
        case 'b': case 'B': case 'A': case 'Z': case 'z':
            out_ += QLatin1Char('\\') + QChar(char16_t(e));
            last_ = Last::Anchor;
            return;
        case 'Q':
            quoted();
            return;
        case 'E':
            throw DialectError{msg::kQuoteNotOn};
        default: break;
        }
        if (e >= '1' && e <= '9') {
            const int group = int(e - '0');
            highestReference_ = std::max(highestReference_, group);
            out_ += QStringLiteral("\\g{%1}").arg(group);
            last_ = Last::Atom;
            return;
        }
        literal(characterEscape(e));
    }

    // "\Q...\E": every character literal; without "\E" up to the end.
    void quoted()
    {
        while (i_ < p_.size()) {
            if (p_[i_] == '\\' && at(i_ + 1, 'E')) {
                i_ += 2;
                return;
            }
            literal(p_[i_++]);
        }
    }

    // One member of a class at i_: a single character, or a set written out.
    struct ClassItem {
        std::optional<char32_t> character;
        QString set;
    };

    std::optional<QString> posixClass()
    {
        size_t j = i_ + 2;
        const bool negated = at(j, '^');
        if (negated)
            ++j;
        QString name;
        while (j < p_.size() && p_[j] >= 'a' && p_[j] <= 'z' && name.size() < 8)
            name += QChar(char16_t(p_[j++]));
        if (!at(j, ':') || !at(j + 1, ']'))
            return std::nullopt;
        for (const char* known : kPosixClasses)
            if (name == QLatin1String(known)) {
                i_ = j + 2;
                return QStringLiteral("[:%1%2:]").arg(negated ? QStringLiteral("^") : QString(), name);
            }
        throw DialectError{msg::kIllFormed};
    }

    ClassItem classItem()
    {
        const char32_t c = p_[i_];
        if (c == '[' && at(i_ + 1, ':'))
            if (std::optional<QString> posix = posixClass())
                return {std::nullopt, *posix};
        if (c != '\\') {
            ++i_;
            return {c, {}};
        }
        if (i_ + 1 >= p_.size())
            throw DialectError{msg::kEndOfSet};
        const char32_t e = p_[i_ + 1];
        i_ += 2;
        switch (e) {
        case 'd': case 'D': case 'w': case 'W': case 's': case 'S':
            return {std::nullopt, QLatin1Char('\\') + QChar(char16_t(e))};
        case 'b':
            return {char32_t(8), {}};
        default:
            return {characterEscape(e), {}};
        }
    }

    void emitClassItem(const ClassItem& item)
    {
        if (item.character)
            out_ += QStringLiteral("\\x{%1}").arg(uint(*item.character), 0, 16);
        else
            out_ += item.set;
    }

    void characterClass()
    {
        ++i_;
        out_ += QLatin1Char('[');
        if (at(i_, '^')) {
            out_ += QLatin1Char('^');
            ++i_;
        }
        for (bool first = true;; first = false) {
            if (i_ >= p_.size())
                throw DialectError{msg::kEndOfSet};
            if (p_[i_] == ']' && !first) {
                ++i_;
                break;
            }
            const ClassItem from = classItem();
            if (from.character && at(i_, '-') && i_ + 1 < p_.size() && p_[i_ + 1] != ']') {
                ++i_;
                const ClassItem to = classItem();
                if (to.character) {
                    if (*to.character < *from.character)
                        throw DialectError{msg::kBadRange};
                    emitClassItem(from);
                    out_ += QLatin1Char('-');
                    emitClassItem(to);
                } else { // "a-\d": the dash is a literal
                    emitClassItem(from);
                    out_ += QStringLiteral("\\-");
                    emitClassItem(to);
                }
                continue;
            }
            emitClassItem(from);
        }
        out_ += QLatin1Char(']');
        last_ = Last::Atom;
    }

    void pushGroup(GroupKind kind, unsigned flags, const QString& opening)
    {
        groups_.push_back({kind, flags, 1});
        out_ += opening;
        last_ = Last::Nothing;
    }

    void openGroup()
    {
        if (!at(i_ + 1, '?')) {
            ++i_;
            ++groupCount_;
            pushGroup(GroupKind::Plain, flags(), QStringLiteral("("));
            return;
        }
        size_t j = i_ + 2;
        if (flags() & RegexExtended)
            while (j < p_.size() && isSpace(p_[j]))
                ++j;
        if (j >= p_.size())
            throw DialectError{msg::kBadExtension};
        const char32_t c = p_[j];
        if (c == ':' || c == '>' || c == '=' || c == '!') {
            i_ = j + 1;
            const GroupKind kind = c == '=' || c == '!' ? GroupKind::LookAround : GroupKind::Plain;
            pushGroup(kind, flags(), QStringLiteral("(?") + QChar(char16_t(c)));
        } else if (c == '<' && (at(j + 1, '=') || at(j + 1, '!'))) {
            i_ = j + 2;
            pushGroup(GroupKind::LookAround, flags(), QStringLiteral("(?<") + QChar(char16_t(p_[j + 1])));
        } else if (c == '#') {
            comment(j + 1);
        } else if (c == '(') {
            conditional(j);
        } else if (c == 'R') {
            if (!at(j + 1, ')'))
                throw DialectError{msg::kBadExtension};
            i_ = j + 2;
            out_ += QStringLiteral("(?R)");
            last_ = Last::Recursion;
        } else {
            modifiers(j);
        }
    }

    // "(?#...)": skipped; what stood before it can still be quantified.
    void comment(size_t from)
    {
        size_t j = from;
        while (j < p_.size() && p_[j] != ')')
            ++j;
        if (j >= p_.size())
            throw DialectError{msg::kEndOfComment};
        i_ = j + 1;
    }

    // "(?(N)yes|no)" or "(?(?=...)yes|no)" and the other assertions; j is
    // at the inner "(".
    void conditional(size_t j)
    {
        if (j + 1 < p_.size() && isDigit(p_[j + 1])) {
            size_t k = j + 1;
            int group = 0;
            while (k < p_.size() && isDigit(p_[k]) && group <= kMaxCount)
                group = group * 10 + int(p_[k++] - '0');
            if (!at(k, ')'))
                throw DialectError{msg::kBadExtension};
            if (group == 0)
                throw DialectError{msg::kNoSuchGroup};
            highestReference_ = std::max(highestReference_, group);
            i_ = k + 1;
            pushGroup(GroupKind::Conditional, flags(), QStringLiteral("(?(%1)").arg(group));
            return;
        }
        const bool assertion = at(j + 1, '?')
                               && (at(j + 2, '=') || at(j + 2, '!')
                                   || (at(j + 2, '<') && (at(j + 3, '=') || at(j + 3, '!'))));
        if (!assertion)
            throw DialectError{msg::kBadExtension};
        // The assertion itself is read as a group of its own next.
        i_ = j;
        pushGroup(GroupKind::Conditional, flags(), QStringLiteral("(?"));
    }

    // "(?imsx-imsx)" or "(?imsx-imsx:...)"; j is after "(?" and its blanks.
    void modifiers(size_t j)
    {
        unsigned on = 0;
        unsigned off = 0;
        bool negative = false;
        const auto flagOf = [](char32_t c) -> unsigned {
            switch (c) {
            case 'i': return RegexNoCase;
            case 'm': return RegexMultiLine;
            case 's': return RegexSingleLine;
            case 'x': return RegexExtended;
            default: return 0;
            }
        };
        for (; j < p_.size(); ++j) {
            const char32_t c = p_[j];
            if (c == '-' && !negative) {
                negative = true;
            } else if (const unsigned f = flagOf(c)) {
                (negative ? off : on) |= f;
            } else {
                break;
            }
        }
        if (!at(j, ')') && !at(j, ':'))
            throw DialectError{msg::kBadExtension};
        const unsigned changed = (flags() | on) & ~off;
        // The engine never sees "x": white space is dropped here.
        QString letters;
        for (const auto& [f, letter] : {std::pair{RegexNoCase, 'i'}, {RegexMultiLine, 'm'}, {RegexSingleLine, 's'}})
            if (on & f)
                letters += QLatin1Char(letter);
        QString offLetters;
        for (const auto& [f, letter] : {std::pair{RegexNoCase, 'i'}, {RegexMultiLine, 'm'}, {RegexSingleLine, 's'}})
            if (off & f)
                offLetters += QLatin1Char(letter);
        if (!offLetters.isEmpty())
            letters += QLatin1Char('-') + offLetters;
        i_ = j + 1;
        if (p_[j] == ':') {
            pushGroup(GroupKind::Plain, changed, QStringLiteral("(?%1:").arg(letters));
            return;
        }
        // The change holds for the rest of the enclosing group.
        groups_.back().flags = changed;
        if (!letters.isEmpty())
            out_ += QStringLiteral("(?%1)").arg(letters);
        last_ = Last::Nothing;
    }

    void closeGroup()
    {
        if (groups_.size() <= 1)
            throw DialectError{msg::kParenthesis};
        const GroupKind kind = groups_.back().kind;
        groups_.pop_back();
        ++i_;
        out_ += QLatin1Char(')');
        last_ = kind == GroupKind::LookAround ? Last::LookAround : Last::Atom;
    }

    void alternative()
    {
        Group& group = groups_.back();
        if (group.kind == GroupKind::Conditional && ++group.alternatives > 2)
            throw DialectError{msg::kTooManyAlternates};
        ++i_;
        out_ += QLatin1Char('|');
        last_ = Last::Nothing;
    }

    std::vector<char32_t> p_;
    size_t i_ = 0;
    QString out_;
    std::vector<Group> groups_;
    Last last_ = Last::Nothing;
    int groupCount_ = 0;
    int highestReference_ = 0;
};

} // namespace

DialectTranslation translateDialect(QStringView pattern, unsigned flags)
{
    DialectTranslation result;
    result.engineFlags = flags & (RegexNoCase | RegexMultiLine | RegexSingleLine);
    if (pattern.size() > kMaxPatternUnits) {
        result.error = QLatin1String(msg::kIllFormed);
        return result;
    }
    try {
        result.enginePattern = Translator(pattern, flags).run();
    } catch (const DialectError& e) {
        result.error = QLatin1String(e.message);
    }
    return result;
}

} // namespace vistello
