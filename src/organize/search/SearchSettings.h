#pragma once
// What the search page stores: the criteria, the folders and the mode.
// Dates are 64-bit file times (100-nanosecond units since 1601-01-01) of the
// wall-clock time, kept in the settings as two 32-bit halves.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>

namespace vistello {

class SettingsStore;

enum class SearchMode : int {
    Replace = 1,       // delete old search results
    Add = 2,           // add to the existing results
    WithinResults = 3, // search in the existing results
};

struct SearchSettings {
    bool useName = false;
    QString name;
    bool useFileComment = false;
    QString fileComment;
    bool useListComment = false;
    QString listComment;
    bool useDate = false;
    uint64_t firstDay = 0; // file time of the first day's midnight
    uint64_t lastDay = 0;  // file time of the last day's midnight
    QString folders;       // ";"-separated; empty: every local drive
    SearchMode mode = SearchMode::Replace;
};

inline constexpr uint64_t kFileTimeDay = 864000000000ull;

// The halves are stored as signed 32-bit numbers; both are taken unsigned.
uint64_t fileTimeFromHalves(int low, int high);
int lowHalf(uint64_t fileTime);
int highHalf(uint64_t fileTime);

// Wall-clock time as a file time (no zone: pictures carry local time).
uint64_t fileTimeOf(const QDateTime& wallClock);
uint64_t fileTimeOfDay(QDate day);

// defaultFolders: the user's pictures folder.
SearchSettings readSearchSettings(SettingsStore& store, const QString& defaultFolders);
void storeSearchSettings(SettingsStore& store, const SearchSettings& settings);

} // namespace vistello
