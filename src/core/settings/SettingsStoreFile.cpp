// The settings file side of SettingsStore: reading, writing and the seasonal colours.
#include "core/settings/SettingsStore.h"

#include "core/settings/IntValidation.h"
#include "core/settings/LeadingInt.h"
#include "core/settings/SeasonalColours.h"
#include "core/settings/SettingsScanner.h"
#include "core/textfile/TextFileReader.h"
#include "core/textfile/TextFileWriter.h"

#include <algorithm>

namespace vistello {
namespace {

QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// "0"-"9" and "a"-"f" count; every other character (upper case included) counts 0.
int hexDigitValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return 0;
}

QByteArray decodeBin(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    for (qsizetype i = 0; i + 1 < text.size(); i += 2)
        bytes.append(static_cast<char>(16 * hexDigitValue(text[i]) + hexDigitValue(text[i + 1])));
    return bytes;
}

// A key that would not read back as itself is left out of the file.
bool isWritableKey(const QString& key)
{
    return !key.isEmpty() && !key.contains(u'"') && !key.contains(u'<') && !key.contains(u'>');
}

template <typename Map>
QStringList sortedKeys(const Map& map)
{
    QStringList keys = map.keys();
    std::sort(keys.begin(), keys.end());
    return keys;
}

QString elementLine(const QString& key, QLatin1String type, const QString& value)
{
    return QStringLiteral("  <c Attr=\"") + key + QStringLiteral("\" Type=\"") + type + QStringLiteral("\">")
        + value + QStringLiteral("</c>\r\n");
}

} // namespace

void SettingsStore::load(const QString& fileName)
{
    load(fileName, QDate::currentDate());
}

void SettingsStore::load(const QString& fileName, QDate today)
{
    QString path = defaultFilePath();
    if (!fileName.isEmpty()) {
        readOnly_ = true;
        path = fileName;
    }
    TextFileReader reader;
    reader.open(path);
    loadFromText(reader.readAll(), today);
}

void SettingsStore::loadFromText(const QString& text, QDate today)
{
    for (const SettingsElement& element : scanSettingsElements(text)) {
        if (element.type == u"string")
            setString(element.key, element.value);
        else if (element.type == u"bool")
            setBool(element.key, element.value == u"true");
        else if (element.type == u"int" && dependsOnScreenWidth(element.key))
            setIntRaw(element.key, parseLeadingInt(element.value));
        else if (element.type == u"int")
            setInt(element.key, parseLeadingInt(element.value));
        else if (element.type == u"bin")
            setBin(element.key, decodeBin(element.value));
    }
    applySeasonalColours(today);
}

void SettingsStore::applySeasonalColours(QDate today)
{
    if (!isSeasonalDay(today))
        return;
    for (const SeasonalColour& colour : kSeasonalColours) {
        const QString backupKey = toQString(colour.backupKey);
        // A second load on the same day must not back up the seasonal colour.
        if (ints_.contains(backupKey))
            continue;
        const QString colourKey = toQString(colour.colourKey);
        ints_.insert(backupKey, getInt(colourKey, -1));
        ints_.insert(colourKey, colour.seasonalValue);
    }
}

QString SettingsStore::serializeText() const
{
    // The file holds the user's own colours, never the seasonal ones.
    QHash<QString, int32_t> ints = ints_;
    for (const SeasonalColour& colour : kSeasonalColours) {
        const QString backupKey = toQString(colour.backupKey);
        const auto backup = ints.constFind(backupKey);
        if (backup == ints.constEnd())
            continue;
        const QString colourKey = toQString(colour.colourKey);
        ints.insert(colourKey, validateSettingInt(colourKey, *backup));
        ints.remove(backupKey);
    }

    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                  "<Document>\r\n"
                                  " <Author>")
        + QLatin1String(kProductName) + QStringLiteral("</Author>\r\n <Settings>\r\n");
    for (const QString& key : sortedKeys(strings_)) {
        const QString& value = strings_.value(key);
        if (!value.isEmpty() && isWritableKey(key))
            text += elementLine(key, QLatin1String("string"), value);
    }
    for (const QString& key : sortedKeys(bools_))
        if (isWritableKey(key))
            text += elementLine(key, QLatin1String("bool"), bools_.value(key) ? QStringLiteral("true") : QStringLiteral("false"));
    for (const QString& key : sortedKeys(ints))
        if (isWritableKey(key))
            text += elementLine(key, QLatin1String("int"), QString::number(ints.value(key)));
    // Like empty strings, an empty block would not read back.
    for (const QString& key : sortedKeys(bins_))
        if (!bins_.value(key).isEmpty() && isWritableKey(key))
            text += elementLine(key, QLatin1String("bin"), QString::fromLatin1(bins_.value(key).toHex()));
    text += QStringLiteral(" </Settings>\r\n</Document>\r\n");
    return text;
}

QByteArray SettingsStore::serialize() const
{
    return QByteArray("\xEF\xBB\xBF") + TextFileWriter::encode(serializeText());
}

bool SettingsStore::save()
{
    if (readOnly_)
        return true;
    TextFileWriter writer;
    if (!writer.open(defaultFilePath()))
        return false;
    writer.write(serializeText());
    return writer.commit();
}

} // namespace vistello
