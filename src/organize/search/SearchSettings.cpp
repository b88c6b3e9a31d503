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
    s.useName = store.get(setting::SearchUseName);
    s.name = store.get(setting::SearchName);
    s.useFileComment = store.get(setting::SearchUseFileComment);
    s.fileComment = store.get(setting::SearchFileComment);
    s.useListComment = store.get(setting::SearchUseListComment);
    s.listComment = store.get(setting::SearchListComment);
    s.useDate = store.get(setting::SearchUseDate);
    s.firstDay = fileTimeFromHalves(store.get(setting::SearchStartTimeL),
                                    store.get(setting::SearchStartTimeH));
    s.lastDay = fileTimeFromHalves(store.get(setting::SearchEndTimeL),
                                   store.get(setting::SearchEndTimeH));
    s.folders = store.getString(SettingsStore::name(setting::SearchDirs), defaultFolders);
    const int mode = store.get(setting::SearchMode);
    s.mode = mode >= 1 && mode <= 3 ? SearchMode(mode) : SearchMode::Replace;
    return s;
}

void storeSearchSettings(SettingsStore& store, const SearchSettings& s)
{
    store.set(setting::SearchUseName, s.useName);
    store.set(setting::SearchName, s.name);
    store.set(setting::SearchUseFileComment, s.useFileComment);
    store.set(setting::SearchFileComment, s.fileComment);
    store.set(setting::SearchUseListComment, s.useListComment);
    store.set(setting::SearchListComment, s.listComment);
    store.set(setting::SearchUseDate, s.useDate);
    store.set(setting::SearchStartTimeL, lowHalf(s.firstDay));
    store.set(setting::SearchStartTimeH, highHalf(s.firstDay));
    store.set(setting::SearchEndTimeL, lowHalf(s.lastDay));
    store.set(setting::SearchEndTimeH, highHalf(s.lastDay));
    store.setString(SettingsStore::name(setting::SearchDirs), s.folders);
    store.set(setting::SearchMode, int(s.mode));
}

} // namespace vistello
