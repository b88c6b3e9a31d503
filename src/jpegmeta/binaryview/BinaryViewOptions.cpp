#include "jpegmeta/binaryview/BinaryViewOptions.h"

#include "core/settings/SettingsStore.h"

namespace vistello {

namespace {

bool validDigits(int digits) { return digits == 2 || digits == 3 || digits == 8; }

} // namespace

BinaryViewOptions BinaryViewOptions::load(SettingsStore& settings)
{
    BinaryViewOptions o;
    o.fontSize = settings.get(setting::HexViewFontSize);
    if (o.fontSize < 1 || o.fontSize > 3)
        o.fontSize = 2;
    o.digits = settings.get(setting::HexViewDigits);
    if (!validDigits(o.digits))
        o.digits = 2;
    o.decimalAddress = settings.get(setting::HexViewAdress);
    o.dotsForControls = settings.get(setting::HexViewASCII);
    return o;
}

void BinaryViewOptions::store(SettingsStore& settings) const
{
    settings.set(setting::HexViewFontSize, fontSize);
    settings.set(setting::HexViewDigits, digits);
    settings.set(setting::HexViewAdress, decimalAddress);
    settings.set(setting::HexViewASCII, dotsForControls);
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
