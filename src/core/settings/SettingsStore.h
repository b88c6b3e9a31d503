#pragma once
// The one process-wide store of user settings: typed values under exact,
// case-sensitive keys, loaded from "vistello_LE.xml" in the personal folder
// at start-up and written back at exit. Every key is validated (ints) or
// normalised (strings) by the store itself, so callers never see a value out
// of range.
#include "core/settings/ResizeSettings.h"
#include "core/settings/SettingKeys.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace vistello {

class SettingsStore {
public:
    // Fixes the program folder and the personal folder: the program folder
    // on a CD-ROM, else the documents folder, else the application data
    // location when that is not writable.
    SettingsStore();
    // Test seam: a store with the given personal folder and no look-ups.
    explicit SettingsStore(const QString& personalFolder);

    static constexpr const char* kFileName = "vistello_LE.xml";
    static constexpr const char* kProductName = "Vistello LE";

    bool getBool(const QString& key, bool defaultValue);
    void setBool(const QString& key, bool value);

    // Missing keys store the default unvalidated; the result is validated.
    int getInt(const QString& key, int defaultValue);
    void setInt(const QString& key, int value);
    int getIntRaw(const QString& key, int defaultValue);
    void setIntRaw(const QString& key, int value);

    // Flags are stored as bit numbers; a stored number outside 0..63 reads as the default.
    uint64_t getFlag(const QString& key, uint64_t defaultFlag);
    void setFlag(const QString& key, uint64_t flag);

    QString getString(const QString& key, const QString& defaultValue = {});
    void setString(const QString& key, const QString& value);

    // A missing key leaves out unchanged and returns false.
    bool getBin(const QString& key, QByteArray& out) const;
    void setBin(const QString& key, const QByteArray& bytes);

    QStringList getStringList(const QString& key, QChar separator);
    void setStringList(const QString& key, const QStringList& items, QChar separator);

    ResizeSettings getRecord(const QString& key, const ResizeSettings& defaults);
    void setRecord(const QString& key, const ResizeSettings& record);

    // The typed keys of SettingKeys.h, each with its one default.
    bool get(const setting::BoolKey& key) { return getBool(name(key), key.fallback); }
    void set(const setting::BoolKey& key, bool value) { setBool(name(key), value); }
    int get(const setting::IntKey& key) { return getInt(name(key), key.fallback); }
    void set(const setting::IntKey& key, int value) { setInt(name(key), value); }
    int get(const setting::IntRawKey& key) { return getIntRaw(name(key), key.fallback); }
    void set(const setting::IntRawKey& key, int value) { setIntRaw(name(key), value); }
    QString get(const setting::StringKey& key) { return getString(name(key), QString::fromUtf8(key.fallback)); }
    void set(const setting::StringKey& key, const QString& value) { setString(name(key), value); }
    QStringList get(const setting::ListKey& key) { return getStringList(name(key), u'|'); }
    void set(const setting::ListKey& key, const QStringList& items) { setStringList(name(key), items, u'|'); }
    template <typename Key>
    static QString name(const Key& key) { return QString::fromLatin1(key.name); }

    void setPersonalFolder(const QString& path);
    QString personalFolder() const { return personalFolder_; }
    bool personalFolderGiven() const { return personalFolderGiven_; }
    QString programFolder() const { return programFolder_; }
    QString modulePath() const { return modulePath_; }
    bool runsFromCdRom() const { return runsFromCdRom_; }
    bool readOnly() const { return readOnly_; }

    // Empty fileName: the default file in the personal folder. A named file
    // makes the store read-only. On 31 October (of `today`) the colours turn
    // orange on black for this run; the file keeps the user's colours.
    void load(const QString& fileName = {});
    void load(const QString& fileName, QDate today);
    // Adds the values of a settings file's text, then applies the seasonal colours.
    void loadFromText(const QString& text, QDate today);
    // Writes the settings file through a temporary file, so a failed write
    // keeps the old one. Nothing is written when read-only (true then).
    bool save();
    // The file's exact bytes as save() writes them.
    QByteArray serialize() const;
    // Where load() and save() read and write without a named file.
    QString defaultFilePath() const;

    bool contains(const QString& key) const;

private:
    QString serializeText() const;
    void applySeasonalColours(QDate today);

    QHash<QString, QString> strings_; // escaped form
    QHash<QString, int32_t> ints_;
    QHash<QString, bool> bools_;
    QHash<QString, QByteArray> bins_;
    bool runsFromCdRom_ = false;
    bool personalFolderGiven_ = false;
    bool readOnly_ = false;
    QString personalFolder_;
    QString modulePath_;
    QString programFolder_ = QStringLiteral("./");
};

} // namespace vistello
