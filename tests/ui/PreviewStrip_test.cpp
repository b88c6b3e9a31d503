#include "ui/PreviewStrip.h"

#include "core/lists/PictureLists.h"

#include <QApplication>
#include <QImageWriter>
#include <QMouseEvent>
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
