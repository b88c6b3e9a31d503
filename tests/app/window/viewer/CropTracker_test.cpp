// Dragging the crop rectangle: block steps, new rectangles, the ratio lock
// at the picture's edge, and any drag staying inside the picture.
#include "app/window/viewer/CropTracker.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace vistello {
namespace {

// A 640 x 480 4:2:0 picture drawn at 1:1 from (10, 20).
CropTracker tracker(const CropRatio& ratio = {})
{
    CropTracker t;
    t.setRatio(ratio);
    t.setLayout({640, 480, 16, 16}, QRect(10, 20, 640, 480));
    return t;
}

void drag(CropTracker& t, QPoint from, QPoint to, int steps = 4)
{
    t.press(from);
    for (int i = 1; i <= steps; ++i)
        t.moveTo(from + (to - from) * i / steps);
    t.release();
}

TEST(CropTracker, leftEdgeMovesInBlockStepsWhileTheRightEdgeStays)
{
    CropTracker t = tracker();
    t.setSelection({64, 64, 200, 100});
    ASSERT_EQ(t.zoneAt(QPoint(10 + 64, 20 + 100)), CropZone::Left);
    for (int dx = 1; dx < 40; ++dx) {
        CropTracker u = t;
        drag(u, QPoint(10 + 64, 20 + 100), QPoint(10 + 64 - dx, 20 + 100));
        EXPECT_EQ(u.selection().x % 16, 0) << dx;
        EXPECT_EQ(u.selection().x + u.selection().w, 264) << dx;
        EXPECT_EQ(u.selection().y, 64);
    }
    drag(t, QPoint(10 + 64, 20 + 100), QPoint(10 + 64 - 20, 20 + 100));
    EXPECT_EQ(t.selection(), (CropSelection{32, 64, 232, 100}));
}

TEST(CropTracker, aPressOutsideDraggedUpAndLeftGivesOnePixel)
{
    CropTracker t = tracker();
    t.setSelection({0, 0, 32, 32});
    drag(t, QPoint(10 + 288, 20 + 192), QPoint(10 + 250, 20 + 150));
    EXPECT_EQ(t.selection().w, 1);
    EXPECT_EQ(t.selection().h, 1);
    EXPECT_EQ(t.selection().x, 288);
    EXPECT_EQ(t.selection().y, 192);
}

TEST(CropTracker, aNewRectangleFollowsTheMouse)
{
    CropTracker t = tracker();
    t.setSelection({0, 0, 32, 32});
    drag(t, QPoint(10 + 96, 20 + 64), QPoint(10 + 196, 20 + 114));
    EXPECT_EQ(t.selection(), (CropSelection{96, 64, 101, 51}));
}

TEST(CropTracker, lockedRightEdgeStopsAtTheBottom)
{
    CropTracker t = tracker({true, 3, 2});
    t.setSelection({0, 160, 300, 200});
    ASSERT_EQ(t.zoneAt(QPoint(10 + 300, 20 + 260)), CropZone::Right);
    drag(t, QPoint(10 + 300, 20 + 260), QPoint(10 + 600, 20 + 260));
    // The largest 3:2 rectangle below the top edge: 480 x 320.
    EXPECT_EQ(t.selection(), (CropSelection{0, 160, 480, 320}));
}

TEST(CropTracker, movingKeepsTheSizeAndTheGrid)
{
    CropTracker t = tracker();
    t.setSelection({32, 32, 100, 60});
    drag(t, QPoint(10 + 80, 20 + 60), QPoint(10 + 80 + 37, 20 + 60 + 1000));
    EXPECT_EQ(t.selection().w, 100);
    EXPECT_EQ(t.selection().h, 60);
    EXPECT_EQ(t.selection().x % 16, 0);
    EXPECT_EQ(t.selection().y + t.selection().h <= 480, true);
}

// A collapsed view draws the picture 0 pixels wide: the scale stays defined.
TEST(CropTracker, aCollapsedViewDividesByNoZero)
{
    CropTracker t;
    t.setLayout({640, 480, 16, 16}, QRect(0, 0, 0, 0));
    t.setSelection({10, 10, 50, 50});
    drag(t, QPoint(0, 0), QPoint(3, 3));
    EXPECT_GE(t.selection().w, 1);
    EXPECT_LE(t.selection().x + t.selection().w, 640);
    t.setLayout({640, 480, 0, 0}, QRect(5, 5, 64, 48)); // and a block size of 0
    drag(t, QPoint(6, 6), QPoint(30, 40));
    EXPECT_LE(t.selection().y + t.selection().h, 480);
}

TEST(CropTracker, anyDragStaysInsideThePicture)
{
    QRandomGenerator random(99);
    for (int i = 0; i < 3000; ++i) {
        CropTracker t;
        t.setRatio({random.bounded(2) == 1, int(random.bounded(0, 20)), int(random.bounded(0, 20))});
        const CropFrame frame{int(random.bounded(1, 5000)), int(random.bounded(1, 5000)), int(random.bounded(0, 33)),
                              int(random.bounded(0, 33))};
        t.setLayout(frame, QRect(int(random.bounded(0, 50)), int(random.bounded(0, 50)), int(random.bounded(0, 900)),
                                 int(random.bounded(0, 700))));
        t.setSelection({int(random.bounded(-10, 5000)), int(random.bounded(-10, 5000)), int(random.bounded(-10, 5000)),
                        int(random.bounded(-10, 5000))});
        for (int d = 0; d < 3; ++d) {
            const QPoint from(int(random.bounded(-20, 1000)), int(random.bounded(-20, 800)));
            const QPoint to(int(random.bounded(-20, 1000)), int(random.bounded(-20, 800)));
            drag(t, from, to, 3);
            const CropSelection s = t.selection();
            ASSERT_GE(s.x, 0) << i;
            ASSERT_GE(s.y, 0) << i;
            ASSERT_GE(s.w, 1) << i;
            ASSERT_GE(s.h, 1) << i;
            ASSERT_LE(s.x + s.w, frame.width) << i;
            ASSERT_LE(s.y + s.h, frame.height) << i;
        }
    }
}

} // namespace
} // namespace vistello
