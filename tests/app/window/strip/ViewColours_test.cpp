#include "app/window/strip/ViewColours.h"

#include <gtest/gtest.h>

using namespace vistello;

// Names and counters must stay readable: a text colour equal to the
// background turns into its complement.
TEST(ViewColours, TextColourStaysVisible)
{
    EXPECT_EQ(viewTextColour(-1, Qt::white), QColor(Qt::black));
    EXPECT_EQ(viewTextColour(-1, Qt::black), QColor(Qt::white));
    EXPECT_EQ(viewTextColour(0x0000FF, Qt::white), QColor(255, 0, 0));
    EXPECT_EQ(viewTextColour(0x203040, QColor(0x40, 0x30, 0x20)), QColor(0xBF, 0xCF, 0xDF));
    EXPECT_EQ(colourSetting(0x00FF00, Qt::red), QColor(0, 255, 0));
    EXPECT_EQ(colourSetting(-1, Qt::red), QColor(Qt::red));
}
