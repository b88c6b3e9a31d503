#include "app/window/viewer/ViewerButtons.h"

#include "core/filetypes/PictureFileTypes.h"
#include "jpegedit/batch/PictureTransform.h"
#include "jpegedit/TransformFixtures.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <map>

using namespace vistello;
using namespace vistello::test::transform;

namespace {

std::map<int, ViewerButton> byCommand(const std::vector<ViewerButton>& row)
{
    std::map<int, ViewerButton> map;
    for (const ViewerButton& button : row)
        map[button.command] = button;
    return map;
}

const int kLossless[] = {viewer::AutoRotate, viewer::RotateRight, viewer::RotateLeft, viewer::FlipHorizontal,
                         viewer::FlipVertical, viewer::MainDiagonal, viewer::SubDiagonal, viewer::Greyscale};

} // namespace

TEST(ViewerButtons, RowPlacesButtonsFromTheRightEdge)
{
    ButtonInputs in{800, 600, true, false, true, 6, AllLossless};
    const auto row = byCommand(controlRow(in));
    const std::pair<int, int> lefts[] = {{viewer::Delete, 780},      {viewer::RestoreOriginal, 753},
                                         {viewer::AutoRotate, 726},  {viewer::RotateRight, 702},
                                         {viewer::RotateLeft, 678},  {viewer::FlipHorizontal, 651},
                                         {viewer::Greyscale, 555},   {viewer::EnableZoom, 507}};
    for (const auto& [command, x] : lefts)
        EXPECT_EQ(row.at(command).topLeft, QPoint(x, 558)) << command;
    for (int command : kLossless)
        EXPECT_TRUE(row.at(command).enabled) << command;
    EXPECT_TRUE(row.at(viewer::Crop).enabled);
}

TEST(ViewerButtons, EnablingFollowsProtectionCapabilitiesAndOrientation)
{
    ButtonInputs protectedFile{800, 600, true, true, true, 6, AllLossless};
    auto row = byCommand(controlRow(protectedFile));
    for (int command : kLossless)
        EXPECT_FALSE(row.at(command).enabled) << command;
    EXPECT_FALSE(row.at(viewer::Crop).enabled);
    EXPECT_FALSE(row.at(viewer::RestoreOriginal).enabled);
    EXPECT_TRUE(row.at(viewer::Delete).enabled);
    EXPECT_TRUE(row.at(viewer::EnableZoom).enabled);

    ButtonInputs upright{800, 600, true, false, false, 1, CanRotateRight | CanAutoRotate};
    row = byCommand(controlRow(upright));
    EXPECT_FALSE(row.at(viewer::AutoRotate).enabled);
    EXPECT_TRUE(row.at(viewer::RotateRight).enabled);
    EXPECT_FALSE(row.at(viewer::RotateLeft).enabled);
    EXPECT_FALSE(row.at(viewer::RestoreOriginal).enabled);

    ButtonInputs broken{800, 600, false, false, false, 1, AllLossless};
    row = byCommand(controlRow(broken));
    EXPECT_FALSE(row.at(viewer::RotateRight).enabled);
    EXPECT_FALSE(row.at(viewer::EnableZoom).enabled);
}

TEST(ViewerButtons, ZoomRowEnablesByLevel)
{
    auto row = byCommand(zoomRow(800, 600, 1));
    EXPECT_TRUE(row.at(viewer::ZoomIn).enabled);
    EXPECT_FALSE(row.at(viewer::ZoomOut).enabled);
    EXPECT_EQ(row.at(viewer::DisableZoom).topLeft, QPoint(630, 558));
    row = byCommand(zoomRow(800, 600, 5));
    EXPECT_FALSE(row.at(viewer::ZoomIn).enabled);
    EXPECT_TRUE(row.at(viewer::ZoomOut).enabled);
}

TEST(ViewerButtons, TopRightButtonAndRowVisibility)
{
    EXPECT_TRUE(controlRowShown({}));
    EXPECT_FALSE(controlRowShown({true, false, false}));
    EXPECT_TRUE(controlRowShown({true, false, true}));
    EXPECT_FALSE(controlRowShown({false, true, true}));
    EXPECT_FALSE(topRightButton({}, 800));
    EXPECT_EQ(topRightButton({true, true, false}, 800)->command, viewer::StopShow);
    EXPECT_EQ(topRightButton({true, false, true}, 800)->topLeft, QPoint(778, 3));
}

// Each button changes the file as jpegtran's operation of the same name does.
TEST(ViewerButtons, LosslessButtonsMatchJpegtran)
{
    const std::pair<int, QStringList> rows[] = {
        {viewer::RotateRight, {"-rotate", "90"}}, {viewer::RotateLeft, {"-rotate", "270"}},
        {viewer::FlipHorizontal, {"-flip", "horizontal"}}, {viewer::FlipVertical, {"-flip", "vertical"}},
        {viewer::MainDiagonal, {"-transpose"}}, {viewer::SubDiagonal, {"-transverse"}},
        {viewer::Greyscale, {"-grayscale"}}};
    PictureFileTypes::instance().clear();
    PictureFileTypes::instance().registerBuiltIns(false, nullptr);
    vistello::test::TempDir dir;
    const QByteArray jpeg = encodeLayout(Layout::Yuv420, 45, 30);
    ASSERT_FALSE(jpeg.isEmpty());
    for (const auto& [command, args] : rows) {
        const QString path = dir.write(QStringLiteral("%1.jpg").arg(command), jpeg);
        const QByteArray expected = runJpegtran(QStringList{"-trim"} + args, path);
        if (expected.isEmpty())
            SKIP_OR_FAIL("jpegtran is missing");
        PictureTransformOptions options;
        options.request = *losslessRequest(command);
        options.copyOriginal = false;
        ASSERT_TRUE(transformPicture(path, options).ok()) << command;
        const QString reference = dir.write(QStringLiteral("%1.ref.jpg").arg(command), expected);
        const QByteArray pixels = decodeWithDjpeg(path);
        EXPECT_FALSE(pixels.isEmpty());
        EXPECT_EQ(pixels, decodeWithDjpeg(reference)) << command;
    }
    EXPECT_FALSE(losslessRequest(viewer::Delete));
    PictureFileTypes::instance().clear();
}
