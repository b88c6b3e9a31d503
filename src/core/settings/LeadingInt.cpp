#include "core/settings/LeadingInt.h"

#include <climits>

namespace vistello {
namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

} // namespace

LeadingInt scanLeadingInt(QStringView text, qsizetype from)
{
    LeadingInt result;
    const qsizetype n = text.size();
    qsizetype i = from < 0 ? 0 : (from > n ? n : from);
    result.end = i;
    while (i < n && isBlank(text[i].unicode()))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Accumulate in 64 bits and stop growing once past the int range.
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    const qsizetype digitsStart = i;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        if (magnitude <= kLimit)
            magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        ++i;
    }
    if (i == digitsStart)
        return result;
    result.hasDigits = true;
    result.end = i;
    if (negative)
        result.value = magnitude >= kLimit ? INT_MIN : static_cast<int>(-magnitude);
    else
        result.value = magnitude >= INT_MAX ? INT_MAX : static_cast<int>(magnitude);
    return result;
}

int parseLeadingInt(QStringView text)
{
    return scanLeadingInt(text).value;
}

} // namespace vistello
