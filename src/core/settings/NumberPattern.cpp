#include "core/settings/NumberPattern.h"

#include <optional>

namespace vistello {
namespace {

constexpr int kMaxField = 20; // widest width or precision accepted

struct Conversion {
    bool leftAlign = false;
    bool plusSign = false;
    bool spaceSign = false;
    bool zeroPad = false;
    int width = 0;
    int precision = -1; // -1: none given
};

// Reads a run of digits as a field value; nullopt when it exceeds kMaxField.
std::optional<int> readField(QStringView text, qsizetype& i)
{
    int value = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > kMaxField)
            return std::nullopt;
        ++i;
    }
    return value;
}

// Parses the conversion whose "%" stands at i - 1; i ends behind it.
std::optional<Conversion> readConversion(QStringView text, qsizetype& i)
{
    Conversion c;
    for (; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch == u'-')
            c.leftAlign = true;
        else if (ch == u'+')
            c.plusSign = true;
        else if (ch == u' ')
            c.spaceSign = true;
        else if (ch == u'0')
            c.zeroPad = true;
        else if (ch != u'#') // '#' means nothing for decimal conversions
            break;
    }
    const auto width = readField(text, i);
    if (!width)
        return std::nullopt;
    c.width = *width;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        const auto precision = readField(text, i);
        if (!precision)
            return std::nullopt;
        c.precision = *precision;
    }
    if (i >= text.size() || (text[i] != u'd' && text[i] != u'i'))
        return std::nullopt;
    ++i;
    return c;
}

QString formatInteger(const Conversion& c, qint64 n)
{
    const bool negative = n < 0;
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(n) : static_cast<quint64>(n);
    QString digits = (c.precision == 0 && magnitude == 0) ? QString() : QString::number(magnitude);
    if (c.precision > digits.size())
        digits.prepend(QString(c.precision - digits.size(), u'0'));

    QString sign;
    if (negative)
        sign = QStringLiteral("-");
    else if (c.plusSign)
        sign = QStringLiteral("+");
    else if (c.spaceSign)
        sign = QStringLiteral(" ");

    const qsizetype padding = c.width - sign.size() - digits.size();
    if (padding <= 0)
        return sign + digits;
    if (c.leftAlign)
        return sign + digits + QString(padding, u' ');
    if (c.zeroPad && c.precision < 0)
        return sign + QString(padding, u'0') + digits;
    return QString(padding, u' ') + sign + digits;
}

// Walks the pattern once; appends to out when it is given.
bool walkPattern(QStringView pattern, qint64 n, QString* out)
{
    int conversions = 0;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar ch = pattern[i++];
        if (ch != u'%') {
            if (out)
                out->append(ch);
            continue;
        }
        if (i < pattern.size() && pattern[i] == u'%') {
            ++i;
            if (out)
                out->append(u'%');
            continue;
        }
        const auto conversion = readConversion(pattern, i);
        if (!conversion || ++conversions > 1)
            return false;
        if (out)
            out->append(formatInteger(*conversion, n));
    }
    return conversions == 1;
}

} // namespace

bool isValidNumberPattern(QStringView pattern)
{
    return walkPattern(pattern, 0, nullptr);
}

QString formatNumberPattern(QStringView pattern, qint64 n)
{
    QString out;
    if (!walkPattern(pattern, n, &out))
        return {};
    return out;
}

} // namespace vistello
