#pragma once
// Reads the value elements of a settings file. This is not an XML parser:
// after "<Settings>" it looks for "<c " elements with "Attr" and "Type"
// attributes (in any order) and a value up to the next "<", ending at
// "</c>". Anything it does not recognise is skipped character by character,
// so a damaged file yields the elements that are still readable.
#include <QList>
#include <QString>
#include <QStringView>

namespace vistello {

struct SettingsElement {
    QString key;
    QString type;
    QString value;
};

// Only elements with a non-empty key and value are returned.
QList<SettingsElement> scanSettingsElements(QStringView text);

} // namespace vistello
