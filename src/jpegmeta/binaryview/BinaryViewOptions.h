#pragma once
// The binary view's four stored options and how its clicks and font menu
// change them. "HexViewASCII" and "HexViewAdress" start false: hexadecimal
// addresses and every byte drawn as the character of its code.
#include <cstdint>

namespace vistello {

class SettingsStore;

// Where a click lands in a line: it decides which option flips.
enum class BinaryZone { Address, Bytes, Characters };

struct BinaryFontSize {
    int setting;     // "HexViewFontSize"
    int pixelHeight; // of the fixed-pitch font
    int command;     // the context menu's entry
    const char16_t* label;
};

inline constexpr BinaryFontSize kBinaryFontSizes[] = {
    {1, 7, 355, u"Small font size"},
    {2, 9, 358, u"Medium font size"},
    {3, 12, 356, u"Large font size"},
};

struct BinaryViewOptions {
    int fontSize = 2;            // 1 small, 2 medium, 3 large
    int digits = 2;              // per byte: 2 hexadecimal, 3 decimal, 8 base two
    bool decimalAddress = false; // "HexViewAdress"
    bool dotsForControls = false; // "HexViewASCII": bytes outside 0x20..0x7F as "."

    static BinaryViewOptions load(SettingsStore& settings);
    void store(SettingsStore& settings) const;

    const BinaryFontSize& font() const;
    // Address: decimal or hexadecimal; bytes: the next number base; characters: the character set.
    void click(BinaryZone zone);
};

// 2 -> 3 -> 8 -> 2; anything else starts over at 2.
int nextDigits(int digits);

} // namespace vistello
