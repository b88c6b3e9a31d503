#pragma once
// Which bytes the binary view highlights in a JPEG file: a 0xFF followed by
// a marker code (0xC0-0xF0, 0xFD, 0xFE, 0x01) and that code. The pair may
// straddle a line end or the window's edge, so the window is judged with
// the byte before it and the byte after it.
#include <QByteArrayView>
#include <cstdint>
#include <optional>
#include <vector>

namespace vistello {

bool isMarkerCode(uint8_t byte);

// One flag per byte of the window; before/after are absent at the file's ends.
std::vector<bool> markerBytes(QByteArrayView window, std::optional<uint8_t> before, std::optional<uint8_t> after);

} // namespace vistello
