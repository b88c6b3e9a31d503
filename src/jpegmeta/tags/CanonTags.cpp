#include "jpegmeta/tags/CanonTags.h"

namespace vistello::tags {

namespace {

// Macro mode, element 1
constexpr ValueText kMacroMode[] = {{1, u"Macro"}, {2, u"Normal"}};
// Quality, element 3
constexpr ValueText kQuality[] = {{2, u"Normal"}, {3, u"Fine"}, {5, u"Superfine"}};
// Flash mode, element 4
constexpr ValueText kFlashMode[] = {
    {0, u"No flash"},          {1, u"Auto"},
    {2, u"On"},                {3, u"Red-eye reduction"},
    {4, u"Slow synchro"},      {5, u"Auto + red-eye reduction"},
    {6, u"On + red-eye reduction"}, {16, u"External flash"},
};
// Continuous drive mode 5, focus mode 0x20
constexpr ValueText kSingleContinuous[] = {{0, u"Single"}, {1, u"Continuous"}};
// Focus mode, element 7
constexpr ValueText kFocusMode[] = {
    {0, u"One-Shot"}, {1, u"AI Servo"}, {2, u"AI Focus"}, {3, u"MF"}, {4, u"Single"}, {5, u"Continuous"}, {6, u"MF"},
};
// Image size, element 10
constexpr ValueText kImageSize[] = {{0, u"Large"}, {1, u"Medium"}, {2, u"Small"}};
// Easy shooting mode, element 11
constexpr ValueText kEasyShooting[] = {
    {0, u"Full Auto"}, {1, u"Manual"}, {2, u"Landscape"}, {3, u"Fast Shutter"},
    {4, u"Slow Shutter"}, {5, u"Night"}, {6, u"B&W"}, {7, u"Sepia"},
    {8, u"Portrait"}, {9, u"Sports"}, {10, u"Macro / Close-Up"}, {11, u"Pan Focus"},
};
// Digital zoom, element 12
constexpr ValueText kDigitalZoom[] = {{0, u"None"}, {1, u"2x"}, {2, u"4x"}};
// Contrast, saturation, sharpness: elements 13-15 (-1 is stored as 0xFFFF)
constexpr ValueText kLowNormalHigh[] = {{0xFFFF, u"Low"}, {0, u"Normal"}, {1, u"High"}};
// ISO, element 16
constexpr ValueText kIso[] = {{15, u"Auto"}, {16, u"50"}, {17, u"100"}, {18, u"200"}, {19, u"400"}};
// Metering mode, element 17
constexpr ValueText kMeteringMode[] = {{3, u"Evaluative"}, {4, u"Partial"}, {5, u"Center-weighted"}};
// Focus type, element 18
constexpr ValueText kFocusType[] = {{0, u"Manual"}, {1, u"Auto"}, {3, u"Close-up (macro)"}, {8, u"Locked (pan mode)"}};
// AF point selected, element 19
constexpr ValueText kAfPointSelected[] = {
    {0x3000, u"None (MF)"}, {0x3001, u"Auto-selected"}, {0x3002, u"Right"}, {0x3003, u"Center"}, {0x3004, u"Left"},
};
// Exposure mode, element 20
constexpr ValueText kExposureMode[] = {
    {0, u"Easy shooting"}, {1, u"Program"}, {2, u"TV-priority"}, {3, u"AV-priority"}, {4, u"Manual"}, {5, u"A-DEP"},
};
// Flash activity, element 28
constexpr ValueText kFlashActivity[] = {{0, u"Not fired"}, {1, u"Fired"}};

constexpr TagValues kCameraSettingsEnumerations[] = {
    {0x0001, kMacroMode},     {0x0003, kQuality},        {0x0004, kFlashMode},       {0x0005, kSingleContinuous},
    {0x0007, kFocusMode},     {0x000A, kImageSize},      {0x000B, kEasyShooting},    {0x000C, kDigitalZoom},
    {0x000D, kLowNormalHigh}, {0x000E, kLowNormalHigh},  {0x000F, kLowNormalHigh},   {0x0010, kIso},
    {0x0011, kMeteringMode},  {0x0012, kFocusType},      {0x0013, kAfPointSelected}, {0x0014, kExposureMode},
    {0x001C, kFlashActivity}, {0x0020, kSingleContinuous},
};
static_assert(isSortedBy(std::span<const TagValues>(kCameraSettingsEnumerations), &TagValues::tag));

// White balance, shot information element 7 (the spelling is the one users know)
constexpr ValueText kWhiteBalance[] = {
    {0, u"Auto"}, {1, u"Sunny"}, {2, u"Cloudy"}, {3, u"Tungsten"}, {4, u"Flourescent"}, {5, u"Flash"}, {6, u"Custom"},
};
// Flash bias, shot information element 15: thirds and halves of a stop, 32 to the stop
constexpr ValueText kFlashBias[] = {
    {0xFFC0, u"-2 EV"},    {0xFFCC, u"-1.67 EV"}, {0xFFD0, u"-1.50 EV"}, {0xFFD4, u"-1.33 EV"}, {0xFFE0, u"-1 EV"},
    {0xFFEC, u"-0.67 EV"}, {0xFFF0, u"-0.50 EV"}, {0xFFF4, u"-0.33 EV"}, {0, u"0 EV"},         {12, u"0.33 EV"},
    {16, u"0.50 EV"},      {20, u"0.67 EV"},      {32, u"1 EV"},         {44, u"1.33 EV"},      {48, u"1.50 EV"},
    {52, u"1.67 EV"},      {64, u"2 EV"},
};

constexpr TagValues kShotInfoEnumerations[] = {{0x0007, kWhiteBalance}, {0x000F, kFlashBias}};
static_assert(isSortedBy(std::span<const TagValues>(kShotInfoEnumerations), &TagValues::tag));

// Custom functions: the setting byte of each function
constexpr ValueText kOffOn[] = {{0, u"Off"}, {1, u"On"}};
constexpr ValueText kShutterAeLock[] = {
    {0, u"AF/AE lock"}, {1, u"AE lock/AF"}, {2, u"AF/AF lock"}, {3, u"AE+release/AE+AF"},
};
constexpr ValueText kDisableEnable[] = {{0, u"Disable"}, {1, u"Enable"}};
constexpr ValueText kExposureLevel[] = {{0, u"1/2 stop"}, {1, u"1/3 stop"}};
constexpr ValueText kAfAssist[] = {{0, u"On (auto)"}, {1, u"Off"}};
constexpr ValueText kAvShutter[] = {{0, u"Automatic"}, {1, u"1/200 (fixed)"}};
constexpr ValueText kAebSequence[] = {
    {0, u"0, -, + / Enabled"}, {1, u"0, -, + / Disabled"}, {2, u"-, 0, + / Enabled"}, {3, u"-, 0, + / Disabled"},
};
constexpr ValueText kCurtainSync[] = {{0, u"1st-curtain sync"}, {1, u"2nd-curtain sync"}};
constexpr ValueText kLensAfStop[] = {{0, u"AF stop"}, {1, u"Operate AF"}, {2, u"Lock AE and start timer"}};
constexpr ValueText kEnableDisable[] = {{0, u"Enable"}, {1, u"Disable"}};
constexpr ValueText kMenuReturn[] = {{0, u"Top"}, {1, u"Previous (volatile)"}, {2, u"Previous"}};
constexpr ValueText kSetButton[] = {
    {0, u"Not assigned"}, {1, u"Change quality"}, {2, u"Change ISO speed"}, {3, u"Select parameters"},
};

constexpr TagValues kCustomFunctionEnumerations[] = {
    {0x0001, kOffOn},       {0x0002, kShutterAeLock}, {0x0003, kDisableEnable}, {0x0004, kExposureLevel},
    {0x0005, kAfAssist},    {0x0006, kAvShutter},     {0x0007, kAebSequence},   {0x0008, kCurtainSync},
    {0x0009, kLensAfStop},  {0x000A, kEnableDisable}, {0x000B, kMenuReturn},    {0x000C, kSetButton},
    {0x000D, kDisableEnable},
};
static_assert(isSortedBy(std::span<const TagValues>(kCustomFunctionEnumerations), &TagValues::tag));

struct BitText {
    int bit;
    const char* text;
};

// The first set bit of the list names the value.
template <size_t N>
QString firstBitText(uint32_t value, const BitText (&bits)[N])
{
    for (const BitText& b : bits)
        if (value & (1u << b.bit))
            return QString::fromLatin1(b.text);
    return {};
}

constexpr BitText kFlashDetails[] = {
    {14, "External E-TTL"}, {13, "Internal flash"}, {11, "FP sync used"}, {7, "2nd(rear)-curtain sync used"},
    {4, "FP sync enabled"},
};

constexpr BitText kAfPointUsed[] = {{2, "Left"}, {1, "Center"}, {0, "Right"}};

QString afPointUsedText(uint32_t value)
{
    QString text = firstBitText(value, kAfPointUsed);
    if (!text.isEmpty())
        text += QStringLiteral(": ");
    return text + QString::asprintf("%u", value >> 12); // the number of AF points
}

} // namespace

QString formatCanonNoteInteger(uint16_t tag, const IntegerValue& value)
{
    const uint32_t v = value.value;
    switch (tag) {
    case 0x0008: // image number: folder, then file
        return QString::asprintf("%03u-%04u", v / 10000, v % 10000);
    case 0x000C: // serial number
        return QString::asprintf("%04X%05u", v >> 16, v & 0xFFFF);
    default:
        return {};
    }
}

QString formatCanonCameraSettingsInteger(uint16_t tag, const IntegerValue& value)
{
    const uint32_t v = value.value;
    switch (tag) {
    case 0x0002: // self-timer in tenths of a second
        return v >= 1 && v < 10000 ? QString::asprintf("%.1f s", v * 0.1) : QString();
    case 0x0017:
    case 0x0018:
    case 0x0019: // focal lengths and units; 0 shows as the plain number
        return v == 0 ? QString() : QString::asprintf("%d", int32_t(v));
    case 0x001D:
        return firstBitText(v, kFlashDetails);
    default:
        return enumerationText(kCameraSettingsEnumerations, tag, v);
    }
}

QString formatCanonShotInfoInteger(uint16_t tag, const IntegerValue& value)
{
    const uint32_t v = value.value;
    switch (tag) {
    case 0x0009:
        return QString::asprintf("%d", int32_t(v));
    case 0x000E:
        return afPointUsedText(v);
    case 0x0013: // subject distance in centimetres
        return v == 0xFFFF ? QStringLiteral("Infinite") : QString::asprintf("%.2f m", v * 0.01);
    default:
        return enumerationText(kShotInfoEnumerations, tag, v);
    }
}

QString formatCanonCustomFunctionInteger(uint16_t tag, const IntegerValue& value)
{
    return enumerationText(kCustomFunctionEnumerations, tag, value.value);
}

} // namespace vistello::tags
