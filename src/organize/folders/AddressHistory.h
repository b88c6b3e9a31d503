#pragma once
// The address field's history: the typed paths in the order of entry, kept
// in "AdressList" separated by "|", never sorted, no size limit. Entries are
// compared exactly; an entry holding "|" would split in two when stored, so
// it is not kept.
#include <QString>
#include <QStringList>

namespace vistello {

class SettingsStore;

class AddressHistory {
public:
    // Typed into the field, empties it and the whole history.
    static constexpr const char* kClearCommand = ":r";

    static AddressHistory fromStoredText(const QString& stored);
    QString storedText() const;
    void load(SettingsStore& settings);
    void save(SettingsStore& settings) const;

    const QStringList& entries() const { return entries_; }

    enum class Submitted {
        Cleared, // ":r": the field and the history are emptied; nothing is opened
        Kept,    // a text to go to (appended to the history when new)
        Empty,   // nothing to do
    };
    Submitted submit(const QString& text);

private:
    QStringList entries_;
};

} // namespace vistello
