#include "organize/search/SearchSettings.h"

#include "core/settings/SettingsStore.h"


namespace vistello {

namespace {

// Milliseconds from 1601-01-01 to 1970-01-01.
constexpr int64_t kEpochDifferenceMs = 11644473600000;

} // namespace

uint64_t fileTimeFromHalves(int low, int high)
{
    return (uint64_t(uint32_t(high)) << 32) | uint32_t(low);
}

int lowHalf(uint64_t fileTime) { return int(uint32_t(fileTime & 0xFFFFFFFFu)); }
int highHalf(uint64_t fileTime) { return int(uint32_t(fileTime >> 32)); }

uint64_t fileTimeOf(const QDateTime& wallClock)
{
    if (!wallClock.isValid())
        return 0;
    const QDateTime asUtc(wallClock.date(), wallClock.time(), Qt::UTC);
    const int64_t ms = asUtc.toMSecsSinceEpoch() + kEpochDifferenceMs;
    return ms > 0 ? uint64_t(ms) * 10000 : 0;
}

uint64_t fileTimeOfDay(QDate day)
{
    return fileTimeOf(QDateTime(day, QTime(0, 0)));
}

SearchSettings readSearchSettings(SettingsStore& store, const QString& defaultFolders)
{
    SearchSettings s;
    s.useName = store.getBool(QStringLiteral("SearchUseName"), false);
    s.name = store.getString(QStringLiteral("SearchName"));
    s.useFileComment = store.getBool(QStringLiteral("SearchUseFileComment"), false);
    s.fileComment = store.getString(QStringLiteral("SearchFileComment"));
    s.useListComment = store.getBool(QStringLiteral("SearchUseListComment"), false);
    s.listComment = store.getString(QStringLiteral("SearchListComment"));
    s.useDate = store.getBool(QStringLiteral("SearchUseDate"), false);
    s.firstDay = fileTimeFromHalves(store.getIntRaw(QStringLiteral("SearchStartTimeL"), 0),
                                    store.getIntRaw(QStringLiteral("SearchStartTimeH"), 0));
    s.lastDay = fileTimeFromHalves(store.getIntRaw(QStringLiteral("SearchEndTimeL"), 0),
                                   store.getIntRaw(QStringLiteral("SearchEndTimeH"), 0));
    s.folders = store.getString(QStringLiteral("SearchDirs"), defaultFolders);
    const int mode = store.getIntRaw(QStringLiteral("SearchMode"), 1);
    s.mode = mode >= 1 && mode <= 3 ? SearchMode(mode) : SearchMode::Replace;
    return s;
}

void storeSearchSettings(SettingsStore& store, const SearchSettings& s)
{
    store.setBool(QStringLiteral("SearchUseName"), s.useName);
    store.setString(QStringLiteral("SearchName"), s.name);
    store.setBool(QStringLiteral("SearchUseFileComment"), s.useFileComment);
    store.setString(QStringLiteral("SearchFileComment"), s.fileComment);
    store.setBool(QStringLiteral("SearchUseListComment"), s.useListComment);
    store.setString(QStringLiteral("SearchListComment"), s.listComment);
    store.setBool(QStringLiteral("SearchUseDate"), s.useDate);
    store.setIntRaw(QStringLiteral("SearchStartTimeL"), lowHalf(s.firstDay));
    store.setIntRaw(QStringLiteral("SearchStartTimeH"), highHalf(s.firstDay));
    store.setIntRaw(QStringLiteral("SearchEndTimeL"), lowHalf(s.lastDay));
    store.setIntRaw(QStringLiteral("SearchEndTimeH"), highHalf(s.lastDay));
    store.setString(QStringLiteral("SearchDirs"), s.folders);
    store.setIntRaw(QStringLiteral("SearchMode"), int(s.mode));
}

} // namespace vistello
