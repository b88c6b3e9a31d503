#include "ui/viewer/PictureView.h"

#include "resources/StringTable.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImageWriter>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QToolTip>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

// An 800x600 viewer showing a small picture, with the normal button row.
struct ShownPicture {
    QTemporaryDir dir;
    PictureView view{nullptr};

    ShownPicture()
    {
        const QString path = dir.filePath(QStringLiteral("a.jpg"));
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        EXPECT_TRUE(QImageWriter(path, "jpeg").write(image));
        view.resize(800, 600);
        view.show();
        view.showPicture(path, 0, 1);
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, QPointF(at), view.mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }
};

// The delete button: 18 pixels at (W - 20, H - 42).
const QPoint kDeleteButton(780 + 9, 558 + 9);

} // namespace

TEST(PictureViewWidget, ButtonToolTipIsTheTextOfItsCommand)
{
    ShownPicture shown;
    QHelpEvent help(QEvent::ToolTip, kDeleteButton, shown.view.mapToGlobal(kDeleteButton));
    QApplication::sendEvent(&shown.view, &help);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), strings::text(40216));
}

// Pressed, the button shows its hot variant (the key becomes the hot
// background) until the release, even with the mouse elsewhere.
TEST(PictureViewWidget, PressedButtonLooksHotUntilReleased)
{
    ShownPicture shown;
    const QPoint key(780 + 1, 558 + 1);
    shown.mouse(QEvent::MouseButtonPress, kDeleteButton, Qt::LeftButton);
    shown.mouse(QEvent::MouseMove, QPoint(300, 300), Qt::LeftButton);
    EXPECT_EQ(shown.view.grab().toImage().pixel(key), qRgb(204, 204, 255));
    shown.mouse(QEvent::MouseButtonRelease, QPoint(300, 300), Qt::NoButton);
    EXPECT_EQ(shown.view.grab().toImage().pixel(key), qRgb(255, 255, 255));
}

// Outside picture-only mode the wheel moves the strip's focus, forward to the next picture.
TEST(PictureViewWidget, WheelOutsidePictureOnlyMovesTheStripFocus)
{
    ShownPicture shown;
    std::vector<int> focus;
    std::vector<int> step;
    QObject::connect(&shown.view, &PictureView::stripFocusRequested, [&](int delta) { focus.push_back(delta); });
    QObject::connect(&shown.view, &PictureView::stepRequested, [&](int delta) { step.push_back(delta); });
    const QPoint at(300, 300);
    QWheelEvent forward(QPointF(at), shown.view.mapToGlobal(QPointF(at)), QPoint(), QPoint(0, 120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&shown.view, &forward);
    EXPECT_EQ(focus, std::vector<int>{1});
    EXPECT_TRUE(step.empty());
    shown.view.setModes(true, false);
    QApplication::sendEvent(&shown.view, &forward);
    EXPECT_EQ(step, std::vector<int>{-1}) << "picture-only: forward shows the previous picture";
}
