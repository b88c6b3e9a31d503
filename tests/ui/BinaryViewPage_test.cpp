// The binary tab's widget: the font menu's sizes reach the settings, and
// the bar's arrows move one line also where one bar step covers several.
#include "ui/pictureinfo/BinaryViewPage.h"

#include "core/settings/SettingsStore.h"

#include <QAction>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(BinaryViewPage, FontMenuStoresTheSize)
{
    QTemporaryDir dir;
    SettingsStore store{dir.path() + QLatin1Char('/')};
    BinaryViewPage page(nullptr);
    page.setSettings(&store);
    const struct {
        const char* label;
        int setting;
    } sizes[] = {{"Large font size", 3}, {"Small font size", 1}, {"Medium font size", 2}};
    int previousHeight = 0;
    for (const auto& size : sizes) {
        for (QAction* action : page.findChildren<QAction*>())
            if (action->text() == QLatin1String(size.label))
                action->trigger();
        EXPECT_EQ(store.getInt(QStringLiteral("HexViewFontSize"), 0), size.setting) << size.label;
        EXPECT_NE(page.layout().metrics.lineHeight, previousHeight) << size.label;
        previousHeight = page.layout().metrics.lineHeight;
    }
}

TEST(BinaryViewPage, BarArrowsMoveOneLinePastIntLines)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("huge.bin")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const qint64 size = qint64(5) << 30; // sparse, more lines than an int counts at one byte a line
    if (!file.resize(size))
        GTEST_SKIP() << "no room for a sparse file";
    file.close();
    BinaryViewPage page(nullptr);
    page.resize(10, 300); // one byte a line
    page.showFile(file.fileName(), false);
    ASSERT_EQ(page.layout().bytesPerLine, 1);
    auto* bar = page.findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(page.top(), 1u);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(page.top(), uint64_t(size) - uint64_t(page.layout().visibleLines));
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(page.top(), uint64_t(size) - uint64_t(page.layout().visibleLines) - 1);
}

} // namespace
} // namespace vistello
