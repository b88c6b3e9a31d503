#include "organize/folders/AddressHistory.h"

#include "core/settings/SettingsStore.h"

namespace vistello {
namespace {

constexpr QChar kSeparator = u'|';

} // namespace

AddressHistory AddressHistory::fromStoredText(const QString& stored)
{
    AddressHistory history;
    for (const QString& entry : stored.split(kSeparator, Qt::SkipEmptyParts))
        if (!history.entries_.contains(entry))
            history.entries_.append(entry);
    return history;
}

QString AddressHistory::storedText() const
{
    QString text;
    for (const QString& entry : entries_)
        text += entry + kSeparator;
    return text;
}

void AddressHistory::load(SettingsStore& settings)
{
    *this = fromStoredText(settings.getString(SettingsStore::name(setting::AdressList)));
}

void AddressHistory::save(SettingsStore& settings) const
{
    settings.setString(SettingsStore::name(setting::AdressList), storedText());
}

AddressHistory::Submitted AddressHistory::submit(const QString& text)
{
    if (text == QLatin1String(kClearCommand)) {
        entries_.clear();
        return Submitted::Cleared;
    }
    if (text.isEmpty())
        return Submitted::Empty;
    if (!text.contains(kSeparator) && !entries_.contains(text))
        entries_.append(text);
    return Submitted::Kept;
}

} // namespace vistello
