#include "platform/DesktopEntry.h"

#include "platform/FileReplace.h"

#include <QFile>

namespace vistello {
namespace {

// Escapes of a string value: line breaks, tabs and backslashes.
QString escapeValue(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        switch (c.unicode()) {
        case u'\\': out += QLatin1StringView("\\\\"); break;
        case u'\n': out += QLatin1StringView("\\n"); break;
        case u'\t': out += QLatin1StringView("\\t"); break;
        case u'\r': out += QLatin1StringView("\\r"); break;
        default: out += c;
        }
    }
    return out;
}

// One Exec argument: quoted when it holds a reserved character, with the
// quoting escapes inside, and "%" doubled so it is no field code.
QString quoteExecArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    for (QChar c : argument)
        needsQuotes = needsQuotes || reserved.contains(c);
    QString out;
    for (QChar c : argument) {
        if (needsQuotes && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            out += QLatin1Char('\\');
        out += c;
        if (c == u'%')
            out += QLatin1Char('%');
    }
    return needsQuotes ? QLatin1Char('"') + out + QLatin1Char('"') : out;
}

} // namespace

QByteArray desktopEntryText(const DesktopEntry& entry)
{
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n");
    text += QStringLiteral("Name=") + escapeValue(entry.name) + QLatin1Char('\n');
    text += QStringLiteral("Comment=") + escapeValue(entry.comment) + QLatin1Char('\n');
    text += QStringLiteral("Exec=") + escapeValue(quoteExecArgument(entry.executable)) + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\n"
                           "Categories=Graphics;Viewer;\n");
    return text.toUtf8();
}

bool writeDesktopEntry(const QString& filePath, const DesktopEntry& entry)
{
    const QByteArray bytes = desktopEntryText(entry);
    if (!writeProductFile(filePath, bytes))
        return false;
    return QFile::setPermissions(filePath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                               | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                               | QFile::ExeOther);
}

} // namespace vistello
