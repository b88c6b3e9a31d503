// Fuzzes the crop page's rules: any picture size, block size, ratio, typed
// rectangle and short-form text ends in a selection inside the picture with
// sizes of at least 1 (UBSan watches the products), and the short form of a
// normalised selection reads back as itself.
#include "jpegedit/crop/CropGeometry.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace vistello;

namespace {

int32_t readInt(const uint8_t* data, size_t size, size_t& at)
{
    int32_t v = 0;
    if (at + 4 <= size)
        std::memcpy(&v, data + at, 4);
    at += 4;
    return v;
}

void check(const CropSelection& s, const CropFrame& f)
{
    if (s.x < 0 || s.y < 0 || s.w < 1 || s.h < 1 || int64_t(s.x) + s.w > f.width || int64_t(s.y) + s.h > f.height)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    size_t at = 0;
    CropFrame frame{readInt(data, size, at), readInt(data, size, at), readInt(data, size, at) % 1024,
                    readInt(data, size, at) % 1024};
    frame.width = frame.width <= 0 ? 1 : frame.width % 70000 + 1;
    frame.height = frame.height <= 0 ? 1 : frame.height % 70000 + 1;
    const CropRatio ratio{(readInt(data, size, at) & 1) != 0, readInt(data, size, at), readInt(data, size, at)};
    const CropSelection typed{readInt(data, size, at), readInt(data, size, at), readInt(data, size, at),
                              readInt(data, size, at)};
    const int kind = std::abs(readInt(data, size, at) % 6);
    const int caret = readInt(data, size, at);
    const QString text = at < size ? QString::fromLatin1(reinterpret_cast<const char*>(data + at), qsizetype(size - at))
                                   : QString();

    const CropSelection s = normaliseTyped(typed, CropEdit(kind), frame, ratio);
    check(s, frame);
    check(normaliseShortForm(text, caret, frame, ratio), frame);
    check(fitHeightToRatio(typed, frame, ratio), frame);
    check(startingSelection(frame, ratio, &typed), frame);
    // A normalised selection without a lock is stable under its own short form.
    const CropFrame unit{frame.width, frame.height, 1, 1};
    const CropSelection free = normaliseTyped(typed, CropEdit::Width, unit, {});
    if (normaliseShortForm(shortForm(free), 0, unit, {}) != free)
        std::abort();
    return 0;
}
