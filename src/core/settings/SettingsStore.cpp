#include "core/settings/SettingsStore.h"

#include "core/settings/IntValidation.h"
#include "core/settings/ResizeRecordCodec.h"
#include "core/settings/SeasonalColours.h"
#include "core/settings/StringNormalization.h"
#include "platform/DriveKind.h"
#include "platform/FolderPath.h"
#include "platform/PersonalFolder.h"
#include "platform/ProgramLocation.h"

namespace vistello {
namespace {

// "<" and ">" would end a value in the file; they are kept in a form the
// file's reader leaves alone.
QString escapeValue(QString value)
{
    value.replace(u'<', QStringLiteral("__&lt;__"));
    value.replace(u'>', QStringLiteral("__&gt;__"));
    return value;
}

QString unescapeValue(QString value)
{
    value.replace(QStringLiteral("__&lt;__"), QStringLiteral("<"));
    value.replace(QStringLiteral("__&gt;__"), QStringLiteral(">"));
    return value;
}

// The number of halvings that bring the value down to 1 (0 for 0 and 1).
int bitNumber(uint64_t flag)
{
    int bits = 0;
    while (flag > 1) {
        flag >>= 1;
        ++bits;
    }
    return bits;
}

} // namespace

SettingsStore::SettingsStore()
    : modulePath_(executablePath())
    , programFolder_(executableFolder())
{
    runsFromCdRom_ = !programFolder_.isEmpty() && isOnCdRom(programFolder_);
    personalFolder_ = defaultPersonalFolder(programFolder_, runsFromCdRom_);
}

SettingsStore::SettingsStore(const QString& personalFolder)
    : personalFolder_(withTrailingSlash(personalFolder))
{
}

bool SettingsStore::getBool(const QString& key, bool defaultValue)
{
    const auto it = bools_.constFind(key);
    if (it != bools_.constEnd())
        return *it;
    bools_.insert(key, defaultValue);
    return defaultValue;
}

void SettingsStore::setBool(const QString& key, bool value)
{
    bools_.insert(key, value);
}

int SettingsStore::getInt(const QString& key, int defaultValue)
{
    return validateSettingInt(key, getIntRaw(key, defaultValue));
}

void SettingsStore::setInt(const QString& key, int value)
{
    setIntRaw(key, validateSettingInt(key, value));
}

int SettingsStore::getIntRaw(const QString& key, int defaultValue)
{
    const auto it = ints_.constFind(key);
    if (it != ints_.constEnd())
        return *it;
    ints_.insert(key, defaultValue);
    return defaultValue;
}

void SettingsStore::setIntRaw(const QString& key, int value)
{
    ints_.insert(key, value);
    // A colour chosen while the seasonal colours are shown must survive the
    // restore at save time.
    if (const QString backup = seasonalBackupKey(key); !backup.isEmpty())
        ints_.remove(backup);
}

uint64_t SettingsStore::getFlag(const QString& key, uint64_t defaultFlag)
{
    const int stored = getIntRaw(key, bitNumber(defaultFlag));
    if (stored < 0 || stored > 63)
        return defaultFlag;
    return uint64_t(1) << stored;
}

void SettingsStore::setFlag(const QString& key, uint64_t flag)
{
    setIntRaw(key, bitNumber(flag));
}

QString SettingsStore::getString(const QString& key, const QString& defaultValue)
{
    const auto it = strings_.constFind(key);
    if (it != strings_.constEnd())
        return unescapeValue(*it);
    if (!defaultValue.isEmpty())
        return defaultValue;
    return normalizeSettingString(key, QString());
}

void SettingsStore::setString(const QString& key, const QString& value)
{
    // Normalised before escaping, so that a text the normalisation puts in
    // (such as a built-in template) is escaped too.
    strings_.insert(key, escapeValue(normalizeSettingString(key, value)));
}

bool SettingsStore::getBin(const QString& key, QByteArray& out) const
{
    const auto it = bins_.constFind(key);
    if (it == bins_.constEnd())
        return false;
    out = *it;
    return true;
}

void SettingsStore::setBin(const QString& key, const QByteArray& bytes)
{
    bins_.insert(key, bytes);
}

QStringList SettingsStore::getStringList(const QString& key, QChar separator)
{
    QStringList items;
    const QString joined = getString(key);
    for (QStringView piece : QStringView(joined).split(separator)) {
        piece = piece.trimmed();
        if (!piece.isEmpty())
            items.append(piece.toString());
    }
    return items;
}

void SettingsStore::setStringList(const QString& key, const QStringList& items, QChar separator)
{
    QString joined;
    for (const QString& item : items) {
        const QString trimmed = item.trimmed();
        if (trimmed.isEmpty())
            continue;
        joined += trimmed;
        joined += separator;
    }
    setString(key, joined);
}

ResizeSettings SettingsStore::getRecord(const QString& key, const ResizeSettings& defaults)
{
    const auto it = strings_.constFind(key);
    if (it == strings_.constEnd())
        return defaults;
    return decodeResizeRecord(unescapeValue(*it), defaults);
}

void SettingsStore::setRecord(const QString& key, const ResizeSettings& record)
{
    setString(key, encodeResizeRecord(record));
}

void SettingsStore::setPersonalFolder(const QString& path)
{
    personalFolder_ = withTrailingSlash(path);
    personalFolderGiven_ = true;
}

bool SettingsStore::contains(const QString& key) const
{
    return strings_.contains(key) || ints_.contains(key) || bools_.contains(key) || bins_.contains(key);
}

QString SettingsStore::defaultFilePath() const
{
    return personalFolder_ + QLatin1String(kFileName);
}

} // namespace vistello
