#include "app/samples/TiffLayout.h"

#include <algorithm>

namespace vistello::samples {

namespace {
constexpr uint32_t kHeaderSize = 8;
constexpr uint32_t kEntrySize = 12;
} // namespace

TiffLayout::TiffLayout(TiffByteOrder order, std::optional<uint32_t> ifd0Offset) : order_(order)
{
    out_ = order == TiffByteOrder::LittleEndian ? QByteArray("II") : QByteArray("MM");
    out_.resize(kHeaderSize, '\0');
    put16(2, 42, order);
    put32(4, ifd0Offset.value_or(kHeaderSize), order);
}

QByteArray TiffLayout::finish(const TiffDirectory& ifd0)
{
    place(ifd0, 0, order_);
    return out_;
}

uint32_t TiffLayout::appendAligned(const QByteArray& data)
{
    if (out_.size() % 2)
        out_.append('\0');
    const uint32_t pos = uint32_t(out_.size());
    out_.append(data);
    return pos;
}

void TiffLayout::put16(uint32_t pos, uint16_t value, TiffByteOrder order)
{
    const bool little = order == TiffByteOrder::LittleEndian;
    out_[pos + (little ? 0 : 1)] = char(value & 0xFF);
    out_[pos + (little ? 1 : 0)] = char(value >> 8);
}

void TiffLayout::put32(uint32_t pos, uint32_t value, TiffByteOrder order)
{
    const bool little = order == TiffByteOrder::LittleEndian;
    for (uint32_t i = 0; i < 4; ++i)
        out_[pos + (little ? i : 3 - i)] = char((value >> (8 * i)) & 0xFF);
}

uint32_t TiffLayout::place(const TiffDirectory& dir, uint32_t origin, TiffByteOrder order)
{
    if (const auto it = placed_.constFind(&dir); it != placed_.constEnd())
        return *it;

    std::vector<const TiffField*> fields;
    for (const TiffField& f : dir.fields())
        fields.push_back(&f);
    if (dir.sortByTag)
        std::stable_sort(fields.begin(), fields.end(),
                         [](const TiffField* a, const TiffField* b) { return a->tag() < b->tag(); });

    const uint32_t n = uint32_t(fields.size());
    const uint32_t pos = appendAligned(QByteArray(int(2 + kEntrySize * n + 4), '\0'));
    // Registered before the links are followed, so cycles end here.
    placed_.insert(&dir, pos);
    put16(pos, dir.entryCountOverride.value_or(uint16_t(n)), order);

    // Data of the plain entries first, then the linked directories.
    std::vector<uint32_t> linked;
    for (uint32_t i = 0; i < n; ++i) {
        const TiffField& f = *fields[i];
        const uint32_t e = pos + 2 + kEntrySize * i;
        put16(e, f.tag(), order);
        put16(e + 2, f.type(), order);
        put32(e + 4, f.count(), order);
        switch (f.kind()) {
        case TiffField::Kind::Value: {
            const QByteArray& bytes = f.valueBytes(order);
            if (bytes.size() <= 4)
                std::copy(bytes.begin(), bytes.end(), out_.begin() + e + 8);
            else
                put32(e + 8, appendAligned(bytes) - origin, order);
            break;
        }
        case TiffField::Kind::Word:
            put32(e + 8, f.word(), order);
            break;
        case TiffField::Kind::Blob:
            put32(e + 8, appendAligned(f.blob()) - origin, order);
            break;
        case TiffField::Kind::Directory:
        case TiffField::Kind::Embedded:
            linked.push_back(i);
            break;
        }
    }
    for (uint32_t i : linked) {
        const TiffField& f = *fields[i];
        const uint32_t e = pos + 2 + kEntrySize * i;
        if (f.kind() == TiffField::Kind::Directory) {
            const std::shared_ptr<TiffDirectory> target = f.linkedDirectory();
            put32(e + 8, target ? place(*target, origin, order) - origin : 0, order);
        } else {
            const uint32_t start = placeEmbedded(f.note(), order);
            put32(e + 4, uint32_t(out_.size()) - start, order);
            put32(e + 8, start - origin, order);
        }
    }

    const uint32_t nextWord = pos + 2 + kEntrySize * n;
    uint32_t next = 0;
    if (dir.next)
        next = place(*dir.next, origin, order) - origin;
    put32(nextWord, dir.nextOffsetOverride.value_or(next), order);
    return pos;
}

uint32_t TiffLayout::placeEmbedded(const EmbeddedDirectory& note, TiffByteOrder order)
{
    const uint32_t start = appendAligned(note.prefix);
    if (note.directory) {
        // The note's own origin is relative to where the note begins.
        const uint32_t origin = note.offsetOrigin ? start + *note.offsetOrigin : 0;
        place(*note.directory, origin, note.byteOrder.value_or(order));
    }
    return start;
}

} // namespace vistello::samples
