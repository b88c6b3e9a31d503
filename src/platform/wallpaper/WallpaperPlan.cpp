#include "platform/wallpaper/WallpaperPlan.h"

#include <QRegularExpression>
#include <QUrl>

namespace vistello {

namespace {

const QString kGsettings = QStringLiteral("gsettings");
const QString kEach = QLatin1String(DesktopCommand::kEachPlaceholder);

// "\uXXXX" for one UTF-16 unit.
QString unicodeEscape(QChar c)
{
    return QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
}

DesktopCommand gsettingsSet(const QString& schema, const QString& key, const QString& valueText)
{
    return {kGsettings, {QStringLiteral("set"), schema, key, valueText}, {}, {}, {}};
}

// GNOME and Cinnamon share the shape of their keys; only the schema differs.
QList<DesktopCommand> gnomeLike(const QString& schema, WallpaperAction action, const QString& path, bool darkKey)
{
    const QString uri = action == WallpaperAction::Set ? gvariantStringLiteral(fileUrl(path)) : QStringLiteral("''");
    QList<DesktopCommand> commands;
    if (action == WallpaperAction::Set)
        commands << gsettingsSet(schema, QStringLiteral("picture-options"), QStringLiteral("'scaled'"));
    commands << gsettingsSet(schema, QStringLiteral("picture-uri"), uri);
    if (darkKey) {
        DesktopCommand dark = gsettingsSet(schema, QStringLiteral("picture-uri-dark"), uri);
        dark.onlyIfTrue = {kGsettings, QStringLiteral("writable"), schema, QStringLiteral("picture-uri-dark")};
        commands << dark;
    }
    return commands;
}

QList<DesktopCommand> mate(WallpaperAction action, const QString& path)
{
    const QString schema = QStringLiteral("org.mate.background");
    QList<DesktopCommand> commands;
    if (action == WallpaperAction::Set)
        commands << gsettingsSet(schema, QStringLiteral("picture-options"), QStringLiteral("'scaled'"));
    commands << gsettingsSet(schema, QStringLiteral("picture-filename"),
                             gvariantStringLiteral(action == WallpaperAction::Set ? path : QString()));
    return commands;
}

// Every desktop (containment) of the shell gets the picture plugin with the
// file, shown whole; a reset gives them a plain colour instead.
QString plasmaScript(WallpaperAction action, const QString& path)
{
    QString body;
    if (action == WallpaperAction::Set)
        body = QStringLiteral("d.wallpaperPlugin = \"org.kde.image\";"
                              " d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];"
                              " d.writeConfig(\"Image\", %1);"
                              " d.writeConfig(\"FillMode\", 1);")
                   .arg(jsonStringLiteral(fileUrl(path)));
    else
        body = QStringLiteral("d.wallpaperPlugin = \"org.kde.color\";");
    return QStringLiteral("var all = desktops(); for (var i = 0; i < all.length; ++i) { var d = all[i]; %1 }")
        .arg(body);
}

QList<DesktopCommand> kde(WallpaperAction action, const QString& path)
{
    return {{QStringLiteral("dbus-send"),
             {QStringLiteral("--session"), QStringLiteral("--type=method_call"), QStringLiteral("--print-reply"),
              QStringLiteral("--dest=org.kde.plasmashell"), QStringLiteral("/PlasmaShell"),
              QStringLiteral("org.kde.PlasmaShell.evaluateScript"),
              QStringLiteral("string:") + plasmaScript(action, path)},
             {},
             {},
             {}}};
}

// Xfce keeps one picture per monitor and workspace: every one is set.
QList<DesktopCommand> xfce(WallpaperAction action, const QString& path)
{
    const QString program = QStringLiteral("xfconf-query");
    const QString channel = QStringLiteral("xfce4-desktop");
    const QStringList listing{program, QStringLiteral("-c"), channel, QStringLiteral("-l")};
    auto forEach = [&](const QString& ending, const QString& value) {
        return DesktopCommand{program,
                              {QStringLiteral("-c"), channel, QStringLiteral("-p"), kEach, QStringLiteral("-s"), value},
                              {},
                              listing,
                              ending};
    };
    // Image style 4 shows the whole picture, 0 none.
    if (action == WallpaperAction::Reset)
        return {forEach(QStringLiteral("/image-style"), QStringLiteral("0"))};
    return {forEach(QStringLiteral("/image-style"), QStringLiteral("4")), forEach(QStringLiteral("/last-image"), path)};
}

QString shellQuoted(const QString& word)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    if (plain.match(word).hasMatch())
        return word;
    bool control = false;
    for (QChar c : word)
        control = control || c.unicode() < 0x20 || c.unicode() == 0x7f;
    if (!control) {
        QString quoted = word;
        quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
        return QLatin1Char('\'') + quoted + QLatin1Char('\'');
    }
    // Line breaks and other control characters stay visible on one line.
    QString quoted = QStringLiteral("$'");
    for (QChar c : word) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('\''))
            quoted += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            quoted += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            quoted += QLatin1String("\\t");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            quoted += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('\'');
}

} // namespace

QList<DesktopCommand> wallpaperCommands(WallpaperDesktop desktop, WallpaperAction action, const QString& path)
{
    switch (desktop) {
    case WallpaperDesktop::Gnome: return gnomeLike(QStringLiteral("org.gnome.desktop.background"), action, path, true);
    case WallpaperDesktop::Cinnamon:
        return gnomeLike(QStringLiteral("org.cinnamon.desktop.background"), action, path, false);
    case WallpaperDesktop::Mate: return mate(action, path);
    case WallpaperDesktop::Kde: return kde(action, path);
    case WallpaperDesktop::Xfce: return xfce(action, path);
    case WallpaperDesktop::Unsupported: break;
    }
    return {};
}

QList<QStringList> displaySettingsPrograms(WallpaperDesktop desktop)
{
    switch (desktop) {
    case WallpaperDesktop::Gnome:
        return {{QStringLiteral("gnome-control-center"), QStringLiteral("background")},
                {QStringLiteral("gnome-control-center"), QStringLiteral("display")}};
    case WallpaperDesktop::Cinnamon: return {{QStringLiteral("cinnamon-settings"), QStringLiteral("backgrounds")}};
    case WallpaperDesktop::Mate:
        return {{QStringLiteral("mate-appearance-properties"), QStringLiteral("--show-page=background")},
                {QStringLiteral("mate-display-properties")}};
    case WallpaperDesktop::Kde:
        return {{QStringLiteral("systemsettings"), QStringLiteral("kcm_wallpaper")},
                {QStringLiteral("systemsettings5"), QStringLiteral("kcm_kscreen")},
                {QStringLiteral("systemsettings")}};
    case WallpaperDesktop::Xfce:
        return {{QStringLiteral("xfdesktop-settings")}, {QStringLiteral("xfce4-display-settings")}};
    case WallpaperDesktop::Unsupported: break;
    }
    return {};
}

QString gvariantStringLiteral(const QString& text)
{
    QString literal = QStringLiteral("'");
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('\''))
            literal += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            literal += unicodeEscape(c);
        else
            literal += c;
    }
    return literal + QLatin1Char('\'');
}

QString jsonStringLiteral(const QString& text)
{
    QString literal = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            literal += QLatin1Char('\\') + c;
        // U+2028 and U+2029 end a line inside a JavaScript string literal.
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.unicode() == 0x2028 || c.unicode() == 0x2029)
            literal += unicodeEscape(c);
        else
            literal += c;
    }
    return literal + QLatin1Char('"');
}

QString fileUrl(const QString& path)
{
    return QStringLiteral("file://") + QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
}

QString displayText(const QStringList& programAndArguments)
{
    QStringList words;
    for (const QString& word : programAndArguments)
        words << shellQuoted(word);
    return words.join(QLatin1Char(' '));
}

QString displayText(const DesktopCommand& command)
{
    QString text = displayText(QStringList{command.program} + command.arguments);
    if (!command.onlyIfTrue.isEmpty())
        text += QStringLiteral("    # only when %1 prints true").arg(displayText(command.onlyIfTrue));
    if (!command.forEachLineOf.isEmpty())
        text += QStringLiteral("    # for each %1 ending in %2 that %3 prints")
                    .arg(kEach, command.eachEndingIn, displayText(command.forEachLineOf));
    return text;
}

} // namespace vistello
