#include "app/startup/StartShortcuts.h"
#include "platform/DesktopEntry.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace vistello;
using vistello::test::TempDir;

namespace {

// desktop-file-validate's verdict; nullopt when the tool is not installed.
std::optional<QString> validationProblems(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, {path});
    if (!process.waitForFinished(30000))
        return QStringLiteral("desktop-file-validate did not finish");
    const QString output = QString::fromUtf8(process.readAll());
    if (process.exitCode() != 0)
        return output.isEmpty() ? QStringLiteral("failed") : output;
    return output; // hints only
}

TEST(StartupDesktopEntry, PlainEntryText)
{
    const DesktopEntry entry{QStringLiteral("Vistello LE"), QStringLiteral("The compact Software for digital camera pictures."),
                             QStringLiteral("/usr/bin/vistello")};
    EXPECT_EQ(desktopEntryText(entry),
              QByteArray("[Desktop Entry]\nType=Application\nName=Vistello LE\n"
                         "Comment=The compact Software for digital camera pictures.\n"
                         "Exec=/usr/bin/vistello\nTerminal=false\nCategories=Graphics;Viewer;\n"));
}

TEST(StartupDesktopEntry, ExecQuotingOfAwkwardPaths)
{
    const struct {
        const char* executable;
        const char* exec;
    } cases[] = {
        {"/opt/My Apps/vistello", "Exec=\"/opt/My Apps/vistello\"\n"},
        {"/opt/100%/vistello", "Exec=/opt/100%%/vistello\n"},
        // Inside quotes "$" and "\" are escaped once for the Exec rules and
        // every backslash once more as a string value.
        {"/opt/a$b/v\\w", "Exec=\"/opt/a\\\\$b/v\\\\\\\\w\"\n"},
        {"/opt/say \"hi\"/v", "Exec=\"/opt/say \\\\\"hi\\\\\"/v\"\n"},
    };
    for (const auto& c : cases) {
        const QByteArray text = desktopEntryText({QStringLiteral("N"), QStringLiteral("C"), QString::fromUtf8(c.executable)});
        EXPECT_TRUE(text.contains(c.exec)) << text.toStdString();
    }
}

TEST(StartupDesktopEntry, WrittenEntriesValidate)
{
    TempDir dir;
    // The second entry replaces the first at the same path.
    for (const char* executable : {"/usr/bin/vistello", "/opt/My Apps/100%/vi$tello"}) {
        const QString path = dir.file(QStringLiteral("Vistello LE.desktop"));
        const DesktopEntry entry{QStringLiteral("Vistello LE"), QStringLiteral("Comment"), QString::fromUtf8(executable)};
        ASSERT_TRUE(writeDesktopEntry(path, entry));
        EXPECT_EQ(test::readAll(path), desktopEntryText(entry));
        EXPECT_TRUE(QFileInfo(path).permissions() & QFile::ExeOwner);
        const auto problems = validationProblems(path);
        if (!problems)
            SKIP_OR_FAIL("desktop-file-validate is not installed");
        EXPECT_TRUE(problems->isEmpty()) << executable << ": " << problems->toStdString();
    }
}

TEST(StartupShortcuts, DesktopAndMenuFolders)
{
    TempDir dir;
    const QString desktop = dir.file(QStringLiteral("Desktop"));
    const QString menu = dir.file(QStringLiteral("share/applications"));

    // No desktop folder: skipped; the menu folder is made.
    QStringList written = createStartShortcuts(QStringLiteral("/usr/bin/vistello"), desktop, menu);
    EXPECT_EQ(written, QStringList{menu + QStringLiteral("/Vistello LE.desktop")});

    QDir().mkpath(desktop);
    written = createStartShortcuts(QStringLiteral("/usr/bin/vistello"), desktop, menu);
    ASSERT_EQ(written.size(), 2);
    EXPECT_EQ(written.first(), desktop + QStringLiteral("/Vistello LE.desktop"));
    EXPECT_TRUE(test::readAll(written.first())
                    .contains("Comment=The compact Software for digital camera pictures.\n"));
}

} // namespace
