// Fuzzes the embedded sound's extraction: any bytes, a stream found only
// inside them and never longer than they are.
#include "jpegmeta/extras/EmbeddedSound.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

using namespace vistello;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const std::optional<QByteArray> sound = extractEmbeddedSound(file))
        if (sound->size() > file.size() || !sound->startsWith("RIFF"))
            __builtin_trap();
    return 0;
}
