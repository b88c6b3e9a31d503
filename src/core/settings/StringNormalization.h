#pragma once
// Per-key normalisation of string settings, applied when a value is set and
// when a missing key is read. Keys without a rule keep their value.
#include <QString>
#include <QStringView>

namespace vistello {

QString normalizeSettingString(QStringView key, const QString& value);

// The built-in page templates live with the gallery; it registers a provider
// at start-up so that an empty "HTMLIndexPage" or "HTMLPicturePage" reads as
// its template. The provider gets the key and returns the template text.
using BuiltInTextProvider = QString (*)(QStringView key);
void setBuiltInTextProvider(BuiltInTextProvider provider);

} // namespace vistello
