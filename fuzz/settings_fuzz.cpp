// Feeds arbitrary bytes through the text-file decoding and the settings
// loader, and checks that what the store writes reads back to the same file.
#include "core/settings/SettingsStore.h"
#include "core/textfile/TextFileReader.h"

#include <QByteArray>
#include <QDate>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistello;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = TextFileReader::decode(bytes);

    // The last byte chooses the day, so the seasonal colours are covered too.
    const QDate today = (size > 0 && (data[size - 1] & 1)) ? QDate(2024, 10, 31) : QDate(2024, 5, 17);
    SettingsStore store(QStringLiteral("/nonexistent-folder"));
    store.loadFromText(text, today);
    const QByteArray written = store.serialize();

    SettingsStore reread(QStringLiteral("/nonexistent-folder"));
    reread.loadFromText(TextFileReader::decode(written), today);
    if (reread.serialize() != written)
        std::abort();
    return 0;
}
