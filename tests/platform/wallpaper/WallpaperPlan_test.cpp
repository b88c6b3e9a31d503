// The commands each desktop is told, as a dry run prints them, and the
// quoting that keeps a hostile file name inside its string.
#include "platform/wallpaper/WallpaperPlan.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QUrl>
#include <gtest/gtest.h>

namespace vistello {
namespace {

QString planText(WallpaperDesktop desktop, WallpaperAction action, const QString& path)
{
    QStringList lines;
    for (const DesktopCommand& command : wallpaperCommands(desktop, action, path))
        lines << displayText(command);
    return lines.join('\n');
}

struct PlanCase {
    WallpaperDesktop desktop;
    WallpaperAction action;
    const char* expected;
};

class DesktopPlan : public ::testing::TestWithParam<PlanCase> {};

TEST_P(DesktopPlan, Commands)
{
    EXPECT_EQ(planText(GetParam().desktop, GetParam().action, GetParam().action == WallpaperAction::Set ? "/data/w 1.bmp" : "")
                  .toStdString(),
              GetParam().expected);
}

constexpr auto Set = WallpaperAction::Set;
constexpr auto Reset = WallpaperAction::Reset;

INSTANTIATE_TEST_SUITE_P(
    Table, DesktopPlan,
    ::testing::Values(
        PlanCase{WallpaperDesktop::Gnome, Set,
                 "gsettings set org.gnome.desktop.background picture-options ''\\''scaled'\\'''\n"
                 "gsettings set org.gnome.desktop.background picture-uri ''\\''file:///data/w%201.bmp'\\'''\n"
                 "gsettings set org.gnome.desktop.background picture-uri-dark ''\\''file:///data/w%201.bmp'\\'''"
                 "    # only when gsettings writable org.gnome.desktop.background picture-uri-dark prints true"},
        PlanCase{WallpaperDesktop::Gnome, Reset,
                 "gsettings set org.gnome.desktop.background picture-uri ''\\'''\\'''\n"
                 "gsettings set org.gnome.desktop.background picture-uri-dark ''\\'''\\'''"
                 "    # only when gsettings writable org.gnome.desktop.background picture-uri-dark prints true"},
        PlanCase{WallpaperDesktop::Cinnamon, Set,
                 "gsettings set org.cinnamon.desktop.background picture-options ''\\''scaled'\\'''\n"
                 "gsettings set org.cinnamon.desktop.background picture-uri ''\\''file:///data/w%201.bmp'\\'''"},
        PlanCase{WallpaperDesktop::Cinnamon, Reset,
                 "gsettings set org.cinnamon.desktop.background picture-uri ''\\'''\\'''"},
        PlanCase{WallpaperDesktop::Mate, Set,
                 "gsettings set org.mate.background picture-options ''\\''scaled'\\'''\n"
                 "gsettings set org.mate.background picture-filename ''\\''/data/w 1.bmp'\\'''"},
        PlanCase{WallpaperDesktop::Mate, Reset, "gsettings set org.mate.background picture-filename ''\\'''\\'''"},
        PlanCase{WallpaperDesktop::Kde, Set,
                 "dbus-send --session --type=method_call --print-reply --dest=org.kde.plasmashell /PlasmaShell "
                 "org.kde.PlasmaShell.evaluateScript 'string:var all = desktops(); for (var i = 0; i < all.length; ++i) "
                 "{ var d = all[i]; d.wallpaperPlugin = \"org.kde.image\"; d.currentConfigGroup = [\"Wallpaper\", "
                 "\"org.kde.image\", \"General\"]; d.writeConfig(\"Image\", \"file:///data/w%201.bmp\"); "
                 "d.writeConfig(\"FillMode\", 1); }'"},
        PlanCase{WallpaperDesktop::Kde, Reset,
                 "dbus-send --session --type=method_call --print-reply --dest=org.kde.plasmashell /PlasmaShell "
                 "org.kde.PlasmaShell.evaluateScript 'string:var all = desktops(); for (var i = 0; i < all.length; ++i) "
                 "{ var d = all[i]; d.wallpaperPlugin = \"org.kde.color\"; }'"},
        PlanCase{WallpaperDesktop::Xfce, Set,
                 "xfconf-query -c xfce4-desktop -p PROPERTY -s 4"
                 "    # for each PROPERTY ending in /image-style that xfconf-query -c xfce4-desktop -l prints\n"
                 "xfconf-query -c xfce4-desktop -p PROPERTY -s '/data/w 1.bmp'"
                 "    # for each PROPERTY ending in /last-image that xfconf-query -c xfce4-desktop -l prints"},
        PlanCase{WallpaperDesktop::Xfce, Reset,
                 "xfconf-query -c xfce4-desktop -p PROPERTY -s 0"
                 "    # for each PROPERTY ending in /image-style that xfconf-query -c xfce4-desktop -l prints"},
        PlanCase{WallpaperDesktop::Unsupported, Set, ""}, PlanCase{WallpaperDesktop::Unsupported, Reset, ""}));

const QString kHostile = QString::fromUtf8("/tmp/a\"b'c\\d$(touch x)`e`\nf\u2028g\u2029h; }); evil(\"/x.bmp");

// The script's one string literal: the argument after writeConfig("Image", .
QString imageLiteral(const QString& script)
{
    const QRegularExpression literal(QStringLiteral(R"(writeConfig\("Image", ("(?:[^"\\]|\\.)*")\))"));
    const QRegularExpressionMatch match = literal.match(script);
    return match.hasMatch() ? match.captured(1) : QString();
}

TEST(KdePlan, HostilePathStaysInsideItsStringLiteral)
{
    const QList<DesktopCommand> commands = wallpaperCommands(WallpaperDesktop::Kde, WallpaperAction::Set, kHostile);
    ASSERT_EQ(commands.size(), 1);
    const QString script = commands[0].arguments.last().mid(QStringLiteral("string:").size());
    // Nothing a JavaScript parser would take as a line end.
    for (QChar c : {QChar('\n'), QChar('\r'), QChar(0x2028), QChar(0x2029)})
        EXPECT_FALSE(script.contains(c));
    const QString literal = imageLiteral(script);
    ASSERT_FALSE(literal.isEmpty()) << script.toStdString();
    // Qt's JSON reader gives back the file URL of exactly this path.
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(("[" + literal + "]").toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << literal.toStdString();
    const QString url = parsed.array().at(0).toString();
    EXPECT_EQ(QUrl(url).toLocalFile(), kHostile);
    // The script around the literal is the one a plain path gets.
    const QString plainScript =
        wallpaperCommands(WallpaperDesktop::Kde, WallpaperAction::Set, "/p.bmp")[0].arguments.last();
    EXPECT_EQ(QString(commands[0].arguments.last()).replace(literal, "L"),
              QString(plainScript).replace(imageLiteral(plainScript), "L"));
}

TEST(KdePlan, JsonLiteralEscapesQuotesBackslashesAndLineEnds)
{
    EXPECT_EQ(jsonStringLiteral(QString::fromUtf8("a\"b\\c\nd\u2028e")).toStdString(), R"("a\"b\\c\u000ad\u2028e")");
}

TEST(GnomePlan, GVariantLiteralEscapesQuotesAndBackslashes)
{
    EXPECT_EQ(gvariantStringLiteral("it's a \\ path\n").toStdString(), R"('it\'s a \\ path\u000a')");
    EXPECT_EQ(gvariantStringLiteral("").toStdString(), "''");
}

TEST(GnomePlan, FileUrlEscapesEverySpecialCharacter)
{
    const QString url = fileUrl(kHostile);
    EXPECT_TRUE(url.startsWith("file:///tmp/"));
    for (QChar c : {QChar('\''), QChar('"'), QChar('\\'), QChar(' '), QChar('\n'), QChar('$'), QChar('`')})
        EXPECT_FALSE(url.contains(c)) << url.toStdString();
    EXPECT_EQ(QUrl(url).toLocalFile(), kHostile);
}

TEST(DisplayText, QuotesForOneLine)
{
    EXPECT_EQ(displayText(QStringList{"prog", "plain/arg", "two words", "it's", "", "a\nb"}).toStdString(),
              R"(prog plain/arg 'two words' 'it'\''s' '' $'a\nb')");
}

TEST(DisplaySettingsPrograms, EverySupportedDesktopHasOne)
{
    for (WallpaperDesktop d : {WallpaperDesktop::Gnome, WallpaperDesktop::Cinnamon, WallpaperDesktop::Mate,
                               WallpaperDesktop::Kde, WallpaperDesktop::Xfce})
        EXPECT_FALSE(displaySettingsPrograms(d).isEmpty());
    EXPECT_TRUE(displaySettingsPrograms(WallpaperDesktop::Unsupported).isEmpty());
}

} // namespace
} // namespace vistello
