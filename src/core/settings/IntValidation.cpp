#include "core/settings/IntValidation.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <string_view>

namespace vistello {
namespace {

enum class IntCheck {
    Range,          // low..high inclusive
    NotUnset,       // anything but -1 (a colour that is not set)
    HexDigits,      // 2, 3 or 8
    SelectionWidth, // 100 .. primary screen width - 149
};

struct IntRule {
    std::u16string_view key;
    IntCheck check;
    int low;
    int high;
    int fallback;
};

constexpr int kAny = INT_MAX;

// Sorted by key (code unit order) for the binary search below.
constexpr IntRule kIntRules[] = {
    {u"AutoShowDelay", IntCheck::Range, 0, kAny, 10},
    {u"BackgroundColor", IntCheck::NotUnset, 0, 0, 16777215},
    {u"BackgroundColorFullScreen", IntCheck::NotUnset, 0, 0, 0},
    {u"CropAspectRatioN", IntCheck::Range, 1, kAny, 1},
    {u"CropAspectRatioZ", IntCheck::Range, 1, kAny, 1},
    {u"HTMLPicturesPerRow", IntCheck::Range, 1, 10000, 4},
    {u"HTMLPicturesSizeX", IntCheck::Range, 1, kAny, 120},
    {u"HTMLPicturesSizeY", IntCheck::Range, 1, kAny, 120},
    {u"HTMLRowsPerPage", IntCheck::Range, 0, 10000, 4},
    {u"HTMLscaledOriginalSizeX", IntCheck::Range, 0, kAny, 0},
    {u"HTMLscaledOriginalSizeY", IntCheck::Range, 0, kAny, 0},
    {u"HexViewDigits", IntCheck::HexDigits, 0, 0, 2},
    {u"IndexBackgroundColor", IntCheck::NotUnset, 0, 0, 16777215},
    {u"IndexBorderX", IntCheck::Range, 0, kAny, 5},
    {u"IndexBorderY", IntCheck::Range, 0, kAny, 5},
    {u"IndexPictureSizeX", IntCheck::Range, 1, kAny, 120},
    {u"IndexPictureSizeY", IntCheck::Range, 1, kAny, 80},
    {u"IndexPicturesPerColumn", IntCheck::Range, 1, 10000, 7},
    {u"IndexPicturesPerRow", IntCheck::Range, 1, 10000, 4},
    {u"LastPictureIndex", IntCheck::Range, 0, kAny, 0},
    {u"NameCompareIndex", IntCheck::Range, 0, 2, 0},
    {u"PanoramaAutoScrollSpeed", IntCheck::Range, 1, 10, 2},
    {u"PanoramaOverlap", IntCheck::Range, 0, kAny, 0},
    {u"PictureCacheSize", IntCheck::Range, 1, 1000, 4},
    {u"PreviewCacheSize", IntCheck::Range, 1, 10000, 25},
    {u"PrinterX", IntCheck::Range, 0, kAny, 0},
    {u"PrinterY", IntCheck::Range, 0, kAny, 0},
    {u"SearchMode", IntCheck::Range, 1, 3, 1},
    {u"SelectionViewHeight", IntCheck::Range, 0, 10000, 5000},
    {u"SelectionViewHeightFullScreen", IntCheck::Range, 0, 10000, 5000},
    {u"SelectionViewWidth", IntCheck::SelectionWidth, 100, 0, 200},
    {u"SelectionViewWidthFullScreen", IntCheck::SelectionWidth, 100, 0, 200},
    {u"TextColor", IntCheck::NotUnset, 0, 0, 0},
    {u"TextCompareIndex", IntCheck::Range, 0, 2, 0},
    {u"TransitionsDelay", IntCheck::Range, 1, 10, 1},
};

constexpr bool isSortedByKey()
{
    for (size_t i = 1; i < std::size(kIntRules); ++i)
        if (!(kIntRules[i - 1].key < kIntRules[i].key))
            return false;
    return true;
}
static_assert(isSortedByKey(), "kIntRules must be sorted by key");

std::atomic<int> g_primaryScreenWidth{kDefaultPrimaryScreenWidth};

const IntRule* findRule(QStringView key)
{
    const std::u16string_view wanted(key.utf16(), static_cast<size_t>(key.size()));
    const auto it = std::lower_bound(std::begin(kIntRules), std::end(kIntRules), wanted,
                                     [](const IntRule& rule, std::u16string_view k) { return rule.key < k; });
    return (it != std::end(kIntRules) && it->key == wanted) ? &*it : nullptr;
}

bool passes(const IntRule& rule, int value)
{
    switch (rule.check) {
    case IntCheck::Range:
        return value >= rule.low && value <= rule.high;
    case IntCheck::NotUnset:
        return value != -1;
    case IntCheck::HexDigits:
        return value == 2 || value == 3 || value == 8;
    case IntCheck::SelectionWidth:
        return value >= rule.low && value <= primaryScreenWidth() - 149;
    }
    return true;
}

} // namespace

bool dependsOnScreenWidth(QStringView key)
{
    const IntRule* rule = key.isEmpty() ? nullptr : findRule(key);
    return rule && rule->check == IntCheck::SelectionWidth;
}

int validateSettingInt(QStringView key, int value)
{
    if (key.isEmpty())
        return 0;
    const IntRule* rule = findRule(key);
    if (!rule || passes(*rule, value))
        return value;
    return rule->fallback;
}

void setPrimaryScreenWidth(int pixels)
{
    // Never negative, so that the bound below cannot overflow.
    g_primaryScreenWidth.store(std::max(pixels, 0), std::memory_order_relaxed);
}

int primaryScreenWidth()
{
    return g_primaryScreenWidth.load(std::memory_order_relaxed);
}

} // namespace vistello
