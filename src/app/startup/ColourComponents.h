#pragma once
// Colours of the command line and of the settings: red + 256 * green + 65536 * blue.
#include <QStringView>
#include <optional>

namespace vistello {

// One component of "-c": it must begin with a decimal digit; "0x" (or "0X")
// reads hexadecimal digits (none gives 0), otherwise decimal digits are read
// up to the first other character. Values above 255 become 255, however
// long the digit run. Nothing when the text is invalid.
std::optional<int> parseColourComponent(QStringView text);

int makeColour(int red, int green, int blue);

// Each channel becomes 255 minus its value.
int inverseColour(int colour);

} // namespace vistello
