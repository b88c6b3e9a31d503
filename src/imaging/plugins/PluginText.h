#pragma once
// Bounded reads of what a plug-in hands back: texts are taken only with their
// zero unit inside the bound, pixel buffers only when their stated length
// covers the stated size.
#include "imaging/plugins/api/vistello_plugin.h"
#include "imaging/scale/PixelBuffer.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace vistello {

// At most maxUnits units (the zero included) from a text the plug-in returned;
// nothing for a null pointer or a text without its zero in the bound.
std::optional<QString> boundedPluginText(const vpl_char16* text, std::size_t maxUnits = VPL_MAX_TEXT);
// A text field of the handler struct: the same bound as the field.
template <std::size_t N>
std::optional<QString> pluginField(const vpl_char16 (&field)[N])
{
    return boundedPluginText(field, N);
}
// Writes text into a field, cut to fit, always with its zero.
template <std::size_t N>
void setPluginField(vpl_char16 (&field)[N], const QString& text)
{
    const std::size_t units = std::min<std::size_t>(std::size_t(text.size()), N - 1);
    for (std::size_t i = 0; i < units; ++i)
        field[i] = text.at(qsizetype(i)).unicode();
    field[units] = 0;
}

// The largest picture and buffer taken from a plug-in.
inline constexpr int64_t kMaxPluginPixels = int64_t(1) << 28;
inline constexpr uint64_t kMaxPluginBytes = uint64_t(1) << 30;

// A copy of a packed RGB buffer of width x height; nothing when the sizes
// are not positive, too large, or length is short of width * height * 3.
std::optional<PixelBuffer> copyPluginPixels(const uint8_t* data, uint64_t length, int width, int height);

} // namespace vistello
