#pragma once
// Pictures carrying a sound memo the way cameras embed it: a FlashPix
// contents list naming "Audio Stream", then the stream (a 28-byte stream
// header and the RIFF data) over two stream-data APP2 segments.
#include <QByteArray>

namespace vistello::test {

QByteArray flashPixSoundPicture(const QByteArray& riff);

} // namespace vistello::test
