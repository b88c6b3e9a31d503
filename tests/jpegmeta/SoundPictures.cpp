#include "jpegmeta/SoundPictures.h"

#include "jpegmeta/MetaFixtures.h"

namespace vistello::test {

namespace {

QByteArray big16(int v) { return QByteArray(1, char(v >> 8)) + char(v & 0xFF); }
QByteArray big32(uint32_t v) { return big16(int(v >> 16)) + big16(int(v & 0xFFFF)); }

// The contents list naming one stream of the given size.
QByteArray contents(uint32_t streamSize)
{
    QByteArray name;
    for (const char c : QByteArray("/Audio Stream"))
        name.append(c).append('\0');
    return QByteArray("FPXR\0\0\1", 7) + big16(1) + big32(streamSize) + '\0' + name + QByteArray(2, '\0');
}

// A stream-data piece of stream 0 at the given offset.
QByteArray piece(const QByteArray& bytes, uint32_t offset)
{
    return QByteArray("FPXR\0\0\2", 7) + big16(0) + big32(offset) + bytes;
}

} // namespace

QByteArray flashPixSoundPicture(const QByteArray& riff)
{
    const QByteArray stream = QByteArray(28, '\0') + riff;
    const qsizetype half = stream.size() / 2;
    return jpegWith({segment(0xE2, contents(uint32_t(stream.size()))), segment(0xE2, piece(stream.left(half), 0)),
                     segment(0xE2, piece(stream.mid(half), uint32_t(half)))});
}

} // namespace vistello::test
