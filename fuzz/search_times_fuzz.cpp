// Loads arbitrary settings text and reads the search settings from it: the
// stored time halves must combine into times that store and read back
// unchanged, and the mode is always one of the three.
#include "core/settings/SettingsStore.h"
#include "core/textfile/TextFileReader.h"
#include "organize/search/SearchSettings.h"

#include <QByteArray>
#include <QDate>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistello;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    SettingsStore store(QStringLiteral("/nonexistent-folder"));
    store.loadFromText(TextFileReader::decode(bytes), QDate(2024, 5, 17));
    const SearchSettings read = readSearchSettings(store, QString());
    if (int(read.mode) < 1 || int(read.mode) > 3)
        std::abort();
    storeSearchSettings(store, read);
    const SearchSettings again = readSearchSettings(store, QString());
    if (again.firstDay != read.firstDay || again.lastDay != read.lastDay
        || fileTimeFromHalves(lowHalf(read.firstDay), highHalf(read.firstDay)) != read.firstDay)
        std::abort();
    return 0;
}
