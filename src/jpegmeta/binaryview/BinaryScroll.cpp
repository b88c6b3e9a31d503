#include "jpegmeta/binaryview/BinaryScroll.h"

#include <algorithm>
#include <climits>

namespace vistello {

BinaryScroll::BinaryScroll(uint64_t fileSize, int bytesPerLine, int visibleLines)
    : perLine_(uint64_t(std::max(bytesPerLine, 1)))
    , visible_(uint64_t(std::max(visibleLines, 1)))
    , lines_((fileSize + perLine_ - 1) / perLine_)
    , lastTop_(lines_ > visible_ ? lines_ - visible_ : 0)
    , step_(lastTop_ / uint64_t(INT_MAX) + 1)
{
}

uint64_t BinaryScroll::clampTop(uint64_t top) const { return std::min(top / perLine_, lastTop_) * perLine_; }

uint64_t BinaryScroll::scrolled(uint64_t top, int64_t lines) const
{
    const uint64_t line = clampTop(top) / perLine_;
    if (lines >= 0)
        return std::min(line + uint64_t(lines), lastTop_) * perLine_;
    const uint64_t up = uint64_t(-(lines + 1)) + 1; // also for INT64_MIN
    return (up > line ? 0 : line - up) * perLine_;
}

int BinaryScroll::barMaximum() const { return int(lastTop_ / step_); }

int BinaryScroll::barPageStep() const { return int(std::max<uint64_t>(visible_ / step_, 1)); }

int BinaryScroll::barValue(uint64_t top) const { return int(clampTop(top) / perLine_ / step_); }

uint64_t BinaryScroll::topForBar(int value) const
{
    if (value <= 0)
        return 0;
    if (value >= barMaximum())
        return end();
    return uint64_t(value) * step_ * perLine_;
}

} // namespace vistello
