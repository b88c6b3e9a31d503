#include "jpegmeta/binaryview/JpegMarkerSpans.h"

namespace vistello {

bool isMarkerCode(uint8_t byte) { return (byte >= 0xC0 && byte <= 0xF0) || byte == 0xFD || byte == 0xFE || byte == 0x01; }

std::vector<bool> markerBytes(QByteArrayView window, std::optional<uint8_t> before, std::optional<uint8_t> after)
{
    const qsizetype n = window.size();
    std::vector<bool> marked(size_t(n), false);
    const auto at = [&](qsizetype i) -> std::optional<uint8_t> {
        if (i < 0)
            return before;
        if (i >= n)
            return after;
        return uint8_t(window[i]);
    };
    for (qsizetype i = -1; i < n; ++i) {
        const std::optional<uint8_t> head = at(i);
        const std::optional<uint8_t> code = at(i + 1);
        if (head == 0xFF && code && isMarkerCode(*code)) {
            if (i >= 0)
                marked[size_t(i)] = true;
            if (i + 1 < n)
                marked[size_t(i + 1)] = true;
        }
    }
    return marked;
}

} // namespace vistello
