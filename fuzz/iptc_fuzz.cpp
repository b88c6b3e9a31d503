// Feeds arbitrary bytes to the IPTC parser and builds its rows; every list
// item and single dataset must come out as exactly one row.
#include "jpegmeta/iptc/IptcRecord.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistello;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const IptcRecord record = parseIptc(bytes);
    const MetaTextRows rows = iptcRows(record);
    const size_t values = record.texts.size() + size_t(record.keywords.size() + record.supplementalCategories.size());
    if (rows.size() < values || (values == 0 && !rows.empty()))
        std::abort();
    return 0;
}
