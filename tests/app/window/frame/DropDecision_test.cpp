#include "app/window/frame/DropDecision.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(DropDecision, OwnPicturesNeverReplaceTheList)
{
    // A slight drag in the viewer released over the window.
    EXPECT_EQ(decideDrop({true, true, false}), DropAction::Ignore);
    EXPECT_EQ(decideDrop({true, false, false}), DropAction::ReplaceList);
    EXPECT_EQ(decideDrop({true, true, true}), DropAction::FolderMenu);
    EXPECT_EQ(decideDrop({true, false, true}), DropAction::FolderMenu);
    EXPECT_EQ(decideDrop({false, false, false}), DropAction::Ignore);
}
