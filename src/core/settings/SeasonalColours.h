#pragma once
// On 31 October the program shows orange text on black. The user's own
// colours wait under backup keys while the program runs and go back into
// the file when it is written.
#include <QDate>
#include <QString>
#include <QStringView>
#include <string_view>

namespace vistello {

struct SeasonalColour {
    std::u16string_view colourKey;
    std::u16string_view backupKey;
    int seasonalValue; // red + 256 * green + 65536 * blue
};

inline constexpr SeasonalColour kSeasonalColours[] = {
    {u"TextColor", u"TextColorBackUp", 255 + 256 * 128},   // orange
    {u"BackgroundColor", u"BackgroundColorBackUp", 0},     // black
    {u"BackgroundColorFullScreen", u"BackgroundColorFullScreenBackUp", 0},
};

inline bool isSeasonalDay(QDate date)
{
    return date.month() == 10 && date.day() == 31;
}

// The backup key of a seasonal colour key; empty for any other key.
inline QString seasonalBackupKey(QStringView key)
{
    const std::u16string_view wanted(key.utf16(), static_cast<size_t>(key.size()));
    for (const SeasonalColour& colour : kSeasonalColours)
        if (colour.colourKey == wanted)
            return QString::fromUtf16(colour.backupKey.data(), qsizetype(colour.backupKey.size()));
    return {};
}

} // namespace vistello
