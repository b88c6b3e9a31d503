#include "imaging/plugins/PluginText.h"

#include <cstring>
#include <new>

namespace vistello {

std::optional<QString> boundedPluginText(const vpl_char16* text, std::size_t maxUnits)
{
    if (!text)
        return std::nullopt;
    for (std::size_t i = 0; i < maxUnits; ++i)
        if (text[i] == 0)
            return QString::fromUtf16(reinterpret_cast<const char16_t*>(text), qsizetype(i));
    return std::nullopt;
}

std::optional<PixelBuffer> copyPluginPixels(const uint8_t* data, uint64_t length, int width, int height)
{
    if (!data || width <= 0 || height <= 0)
        return std::nullopt;
    const int64_t pixels = int64_t(width) * int64_t(height);
    if (pixels > kMaxPluginPixels || length > kMaxPluginBytes || length < uint64_t(pixels) * 3)
        return std::nullopt;
    PixelBuffer buffer;
    buffer.data.reset(new (std::nothrow) uint8_t[size_t(pixels) * 3]);
    if (!buffer.data)
        return std::nullopt;
    buffer.width = width;
    buffer.height = height;
    std::memcpy(buffer.data.get(), data, size_t(pixels) * 3);
    return buffer;
}

} // namespace vistello
