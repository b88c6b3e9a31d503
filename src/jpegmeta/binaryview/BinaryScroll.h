#pragma once
// Scrolling the binary view: the first shown byte is always a line start,
// and the last page starts at the last line's start minus the visible lines
// (a file whose size is a multiple of the line length has no empty last
// line). Offsets are 64-bit; the scroll bar counts lines in steps large
// enough that its range fits an int.
#include <cstdint>

namespace vistello {

class BinaryScroll {
public:
    BinaryScroll(uint64_t fileSize, int bytesPerLine, int visibleLines);

    uint64_t lineCount() const { return lines_; }
    // The top line of the last page.
    uint64_t lastTopLine() const { return lastTop_; }
    // The first byte of the line holding top, moved back to the last page when past it.
    uint64_t clampTop(uint64_t top) const;
    // Moved by lines (negative: up), within the file.
    uint64_t scrolled(uint64_t top, int64_t lines) const;
    uint64_t pageUp(uint64_t top) const { return scrolled(top, -int64_t(visible_)); }
    uint64_t pageDown(uint64_t top) const { return scrolled(top, visible_); }
    uint64_t end() const { return lastTop_ * perLine_; }

    // The scroll bar: 0 .. barMaximum(), value and page in bar steps.
    int barMaximum() const;
    int barPageStep() const;
    int barValue(uint64_t top) const;
    uint64_t topForBar(int value) const;
    uint64_t linesPerBarStep() const { return step_; }

private:
    uint64_t perLine_;
    uint64_t visible_;
    uint64_t lines_;
    uint64_t lastTop_;
    uint64_t step_;
};

} // namespace vistello
