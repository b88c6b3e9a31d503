#include "jpegmeta/binaryview/BinaryViewOptions.h"

#include "core/settings/SettingsStore.h"

namespace vistello {

namespace {

bool validDigits(int digits) { return digits == 2 || digits == 3 || digits == 8; }

} // namespace

BinaryViewOptions BinaryViewOptions::load(SettingsStore& settings)
{
    BinaryViewOptions o;
    o.fontSize = settings.getInt(QStringLiteral("HexViewFontSize"), o.fontSize);
    if (o.fontSize < 1 || o.fontSize > 3)
        o.fontSize = 2;
    o.digits = settings.getInt(QStringLiteral("HexViewDigits"), o.digits);
    if (!validDigits(o.digits))
        o.digits = 2;
    o.decimalAddress = settings.getBool(QStringLiteral("HexViewAdress"), o.decimalAddress);
    o.dotsForControls = settings.getBool(QStringLiteral("HexViewASCII"), o.dotsForControls);
    return o;
}

void BinaryViewOptions::store(SettingsStore& settings) const
{
    settings.setInt(QStringLiteral("HexViewFontSize"), fontSize);
    settings.setInt(QStringLiteral("HexViewDigits"), digits);
    settings.setBool(QStringLiteral("HexViewAdress"), decimalAddress);
    settings.setBool(QStringLiteral("HexViewASCII"), dotsForControls);
}

const BinaryFontSize& BinaryViewOptions::font() const
{
    for (const BinaryFontSize& f : kBinaryFontSizes)
        if (f.setting == fontSize)
            return f;
    return kBinaryFontSizes[1];
}

void BinaryViewOptions::click(BinaryZone zone)
{
    switch (zone) {
    case BinaryZone::Address:
        decimalAddress = !decimalAddress;
        break;
    case BinaryZone::Bytes:
        digits = nextDigits(digits);
        break;
    case BinaryZone::Characters:
        dotsForControls = !dotsForControls;
        break;
    }
}

int nextDigits(int digits)
{
    switch (digits) {
    case 2:
        return 3;
    case 3:
        return 8;
    default:
        return 2;
    }
}

} // namespace vistello
