#include "app/startup/ColourComponents.h"

namespace vistello {
namespace {

constexpr int kMaxComponent = 255;

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

// Reads digits of base from text; stops growing once above 255 so that no
// digit run can overflow.
int readDigits(QStringView text, int base)
{
    int value = 0;
    for (QChar c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            break;
        if (value <= kMaxComponent)
            value = value * base + digit;
    }
    return value > kMaxComponent ? kMaxComponent : value;
}

} // namespace

std::optional<int> parseColourComponent(QStringView text)
{
    if (text.isEmpty() || digitValue(text.front(), 10) < 0)
        return std::nullopt;
    if (text.size() >= 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X'))
        return readDigits(text.mid(2), 16);
    return readDigits(text, 10);
}

int makeColour(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

int inverseColour(int colour)
{
    const int red = colour & 0xFF;
    const int green = (colour >> 8) & 0xFF;
    const int blue = (colour >> 16) & 0xFF;
    return makeColour(255 - red, 255 - green, 255 - blue);
}

} // namespace vistello
