#pragma once
// Lays a tree of TIFF directories out into bytes: each directory, then the
// data of its entries (word-aligned), then the directories it links to,
// then the one chained after it. Offsets count from the TIFF header.
#include "app/samples/TiffDirectory.h"

#include <QByteArray>
#include <QHash>

namespace vistello::samples {

class TiffLayout {
public:
    // Starts the block with its 8-byte header; IFD0 goes right behind it
    // unless ifd0Offset says otherwise in the header word.
    TiffLayout(TiffByteOrder order, std::optional<uint32_t> ifd0Offset = std::nullopt);

    // Lays out the tree rooted at ifd0 and returns the finished block.
    QByteArray finish(const TiffDirectory& ifd0);

private:
    // Places dir (once) and returns its position in the block.
    uint32_t place(const TiffDirectory& dir, uint32_t origin, TiffByteOrder order);
    uint32_t placeEmbedded(const EmbeddedDirectory& note, TiffByteOrder order);
    uint32_t appendAligned(const QByteArray& data);
    void put16(uint32_t pos, uint16_t value, TiffByteOrder order);
    void put32(uint32_t pos, uint32_t value, TiffByteOrder order);

    QByteArray out_;
    TiffByteOrder order_;
    QHash<const TiffDirectory*, uint32_t> placed_;
};

} // namespace vistello::samples
