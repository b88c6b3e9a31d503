// The information page's list of control keys against the accelerator
// table: a key whose command cannot run is never listed as working, and
// every key listed as working runs its command somewhere.
#include "app/window/frame/Accelerators.h"
#include "app/window/frame/CommandEnabling.h"
#include "app/window/frame/DisplayStyle.h"

#include <QFile>
#include <QKeySequence>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace vistello {
namespace {

QString keysPage()
{
    QFile file(QStringLiteral(VISTELLO_TEST_SOURCE_DIR "/../src/ui/information/keys.html"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The key as the page writes it.
QString pageName(QKeyCombination keys)
{
    QString name = QKeySequence(keys).toString(QKeySequence::PortableText);
    name.replace(QStringLiteral("Return"), QStringLiteral("Enter"));
    name.replace(QStringLiteral("Escape"), QStringLiteral("Esc"));
    return name;
}

bool runsSomewhere(int command)
{
    for (const uint64_t shown : {style::Picture, style::Overview})
        for (const int count : {0, 1, 5})
            for (const bool pictureOnly : {false, true})
                if (commandEnabled(command, {count, shown, pictureOnly, false, false}))
                    return true;
    return false;
}

TEST(KeysPage, ListsOnlyKeysThatRunTheirCommand)
{
    const QString page = keysPage();
    ASSERT_FALSE(page.isEmpty());
    // The paragraph of keys that do nothing yet, when there are such keys.
    const qsizetype notYet = page.indexOf(QStringLiteral("Not available yet"));
    const QString table = notYet < 0 ? page : page.left(notYet);
    const QString later = notYet < 0 ? QString() : page.mid(notYet, page.indexOf(QStringLiteral("</p>"), notYet) - notYet);
    for (const Accelerator& accelerator : accelerators()) {
        const QString name = pageName(accelerator.keys);
        const QRegularExpression listed(QStringLiteral("<td>([^<]*[ ,])?%1(,[^<]*)?</td>")
                                            .arg(QRegularExpression::escape(name)));
        if (runsSomewhere(accelerator.command)) {
            EXPECT_FALSE(later.contains(name + QLatin1Char(' '))) << qPrintable(name) << " runs but is listed as not available";
        } else {
            EXPECT_FALSE(listed.match(table).hasMatch()) << qPrintable(name) << " does nothing but is listed";
            EXPECT_TRUE(later.contains(name)) << qPrintable(name) << " does nothing and is not named as such";
        }
    }
}

} // namespace
} // namespace vistello
