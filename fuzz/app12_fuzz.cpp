// Feeds arbitrary bytes to the APP12 text reader; every line is non-empty,
// holds no control byte, and gives one row.
#include "jpegmeta/iptc/App12Text.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistello;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = app12Lines(bytes);
    for (const QString& line : lines) {
        if (line.isEmpty())
            std::abort();
        for (const QChar c : line)
            if (c.unicode() < 0x20)
                std::abort();
    }
    if (app12Rows(bytes).size() != size_t(lines.size()))
        std::abort();
    return 0;
}
