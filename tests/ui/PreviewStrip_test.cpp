#include "ui/strip/PreviewStrip.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/DecodedPicture.h"
#include "organize/filecommands/ViewListener.h"

#include <QApplication>
#include <QImageWriter>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace vistello;

// A name that looks like markup is shown as it is in the tool tip.
TEST(PreviewStripWidget, ToolTipShowsNamesAsTheyAre)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("<i>x&amp;.jpg"));
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(QImageWriter(path, "jpeg").write(image));
    PictureLists lists;
    lists.current().entries().append(path);
    PreviewStrip strip(lists, nullptr);
    strip.resize(800, strip.preferredHeight());
    strip.show();
    strip.listChanged();
    const QPointF at(40, 30);
    QMouseEvent move(QEvent::MouseMove, at, strip.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&strip, &move);
    ASSERT_TRUE(QToolTip::isVisible());
    QTextDocument tip;
    tip.setHtml(QToolTip::text());
    EXPECT_TRUE(tip.toPlainText().contains(QStringLiteral("<i>x&amp;.jpg"))) << tip.toPlainText().toStdString();
}

// The scroll bar moves only the focus: a line is next or previous, a page
// the slots' count, the thumb the focus index itself.
TEST(PreviewStripWidget, ScrollBarMovesTheFocusOnly)
{
    PictureLists lists;
    for (int i = 0; i < 10; ++i)
        lists.current().entries().append(QStringLiteral("/nonexistent/p%1.jpg").arg(i));
    PreviewStrip strip(lists, nullptr);
    strip.resize(800, strip.preferredHeight());
    strip.show();
    strip.listChanged();
    auto* bar = strip.findChild<QScrollBar*>(QStringLiteral("previewScrollBar"));
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->maximum(), 9);
    EXPECT_EQ(bar->pageStep(), 1);
    using A = QAbstractSlider;
    struct Step { A::SliderAction action; int index, slot; };
    const Step steps[] = {{A::SliderSingleStepAdd, 1, 1}, {A::SliderSingleStepAdd, 2, 2},
                          {A::SliderSingleStepAdd, 3, 3}, {A::SliderPageStepAdd, 9, 3},
                          {A::SliderSingleStepSub, 8, 3}, {A::SliderPageStepSub, 1, 3}};
    for (const Step& step : steps) {
        bar->triggerAction(step.action);
        EXPECT_EQ(strip.model().focusIndex(), step.index) << step.action;
        EXPECT_EQ(strip.model().focusSlot(), step.slot) << step.action;
        EXPECT_EQ(bar->value(), step.index) << step.action;
    }
    bar->setSliderPosition(5); // dragging the thumb
    EXPECT_EQ(strip.model().focusIndex(), 5);
    EXPECT_EQ(lists.current().currentIndex(), 0);

    // One picture: a single position, the thumb fills the bar.
    lists.current().entries().clear(false);
    lists.current().entries().append(QStringLiteral("/nonexistent/p0.jpg"));
    strip.listChanged();
    EXPECT_EQ(bar->maximum(), 0);
    EXPECT_EQ(bar->pageStep(), 2);
}

// A picture rewritten by a command is read again: its slot shows the new one.
TEST(PreviewStripWidget, ChangedPictureIsReadAgain)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.jpg"));
    QImage image(99, 66, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(QImageWriter(path, "jpeg").write(image));
    PictureLists lists;
    lists.current().entries().append(path);
    PreviewStrip strip(lists, nullptr);
    strip.resize(800, strip.preferredHeight());
    strip.show();
    strip.listChanged();
    const QPoint centre = PreviewGeometry::thumbRect(0).center();
    EXPECT_GT(QColor(strip.grab().toImage().pixel(centre)).red(), 200);
    image.fill(Qt::blue);
    ASSERT_TRUE(QImageWriter(path, "jpeg").write(image));
    dropPathEverywhere(path);
    broadcastToViews([&](ViewListener& view) { view.pictureChanged(path); });
    const QColor now(strip.grab().toImage().pixel(centre));
    EXPECT_GT(now.blue(), 200);
    EXPECT_LT(now.red(), 60);
}
