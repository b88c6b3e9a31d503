#include "app/window/viewer/ViewerFrame.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(ViewerFrame, FittedRenderingsAreCentred)
{
    EXPECT_EQ(drawnRect({800, 600}, {640, 480}), QRect(80, 60, 640, 480));
    EXPECT_EQ(drawnRect({800, 600}, {800, 533}), QRect(0, 33, 800, 533));
    EXPECT_EQ(drawnRect({801, 601}, {2, 2}), QRect(399, 299, 2, 2));
    // 800x533 turned in memory: squeezed to the area's height only.
    EXPECT_EQ(drawnRect({800, 600}, {533, 800}), QRect(133, 0, 533, 600));
}

TEST(ViewerFrame, InfoBoxCyclesAndNormalisesStoredStates)
{
    EXPECT_EQ(nextInfoBoxState(2), 0);
    EXPECT_EQ(nextInfoBoxState(0), 1);
    EXPECT_EQ(nextInfoBoxState(1), 2);
    for (int handEdited : {-1, 3, 1000})
        EXPECT_EQ(normalisedInfoBoxState(handEdited), 2) << handEdited;
    const QString shortText = QStringLiteral("a.jpg\n10 KB"), longText = QStringLiteral("a.jpg\n10 KB\nmore");
    EXPECT_EQ(shortInfoText(longText), shortText);
    const struct {
        int state;
        QString text;
        bool shown;
    } rows[] = {{0, longText, false}, {1, shortText, true}, {2, longText, true}, {7, longText, true}};
    for (const auto& row : rows) {
        const InfoBox box = infoBox(row.state, shortText, longText);
        EXPECT_EQ(box.text, row.text) << row.state;
        EXPECT_EQ(box.shown, row.shown) << row.state;
    }
    // Hidden, the box still measures the longer text for its click area.
    EXPECT_EQ(infoBox(0, longText, shortText).text, longText);
}

TEST(ViewerFrame, TextLineShowsCommentsOrPosition)
{
    TextLineInputs in;
    in.index = 2;
    in.count = 9;
    in.path = QStringLiteral("/p/a.jpg");
    EXPECT_EQ(textLine(in).text, QStringLiteral("3/9 : /p/a.jpg"));
    EXPECT_FALSE(textLine(in).centred);
    EXPECT_EQ(bottomBandHeight(in), 20);

    in.exifComment = QStringLiteral("exif");
    in.programComment = QStringLiteral("mine");
    EXPECT_EQ(textLine(in).text, QStringLiteral("exif | mine"));
    EXPECT_TRUE(textLine(in).centred);

    in.pictureOnly = true;
    EXPECT_TRUE(textLine(in).text.isEmpty());
    EXPECT_EQ(bottomBandHeight(in), 0);
    in.textInPictureOnly = true;
    EXPECT_EQ(textLine(in).text, QStringLiteral("exif | mine"));
    EXPECT_EQ(bottomBandHeight(in), 20);
    in.programComment.clear();
    EXPECT_EQ(bottomBandHeight(in), 0); // only the program comment claims the band

    TextLineInputs empty;
    EXPECT_TRUE(textLine(empty).text.isEmpty());
}
