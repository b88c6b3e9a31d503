#include "app/window/frame/CommandEnabling.h"
#include "app/window/frame/CommandIds.h"
#include "app/window/frame/DisplayStyle.h"

#include <gtest/gtest.h>

using namespace vistello;

// Del deletes only where pictures are shown.
TEST(CommandEnabling, DeleteOnlyInAPictureStyle)
{
    CommandContext context;
    context.listCount = 5;
    for (const uint64_t shown : {style::Picture, style::Overview, style::PictureData, style::Binary, style::Histogram}) {
        context.displayStyle = shown;
        EXPECT_TRUE(commandEnabled(command::DeletePictures, context)) << shown;
    }
    for (const uint64_t shown : {style::Information, style::Settings, style::Search, style::Rename, style::HtmlPage}) {
        context.displayStyle = shown;
        EXPECT_FALSE(commandEnabled(command::DeletePictures, context)) << shown;
    }
    context.displayStyle = style::Picture;
    context.listCount = 0;
    EXPECT_FALSE(commandEnabled(command::DeletePictures, context));
}
