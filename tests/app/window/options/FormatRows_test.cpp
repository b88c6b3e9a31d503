#include "app/window/options/FormatRows.h"

#include "core/filetypes/PictureFileTypes.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

class FormatRowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        types.clear();
        types.registerBuiltIns(false, nullptr);
        FormatDescriptor plugin;
        plugin.extensions = QStringLiteral(".png;.jpg");
        plugin.formatName = QStringLiteral("PNG");
        plugin.description = QStringLiteral("Portable network graphics");
        plugin.capabilities = 1;
        types.registerFormat(plugin, true, nullptr);
    }
    void TearDown() override { types.clear(); }
    PictureFileTypes& types = PictureFileTypes::instance();
};

TEST_F(FormatRowsTest, builtInsFirstThenPluginsWithTheirAbilities)
{
    const std::vector<FormatRow> rows = formatRows(types);
    struct Expected {
        const char* extension;
        const char* registration;
        const char* readWrite;
    };
    const Expected expected[] = {
        {".jpg", "intern", "Read and write"}, {".jpeg", "intern", "Read and write"},
        {".jpe", "intern", "Read and write"}, {".thm", "intern", "Only read"},
        {".bmp", "intern", "Only write"},     {".png", "extern", "Only read"},
    };
    ASSERT_EQ(rows.size(), std::size(expected));
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].extension, QLatin1String(expected[i].extension)) << i;
        EXPECT_EQ(rows[i].registration, QLatin1String(expected[i].registration)) << i;
        EXPECT_EQ(rows[i].readWrite, QLatin1String(expected[i].readWrite)) << i;
    }
}

TEST_F(FormatRowsTest, formatSettingsOpenADialogOrExplainTheFormat)
{
    const std::vector<FormatRow> rows = formatRows(types);
    EXPECT_TRUE(formatSettingsAction(rows[0]).dialog);
    EXPECT_EQ(formatSettingsAction(rows[3]).message, 33423);
    EXPECT_EQ(formatSettingsAction(rows[4]).message, 33418);
    // A plug-in's format shows its own dialog.
    const FormatSettingsAction png = formatSettingsAction(rows[5]);
    EXPECT_TRUE(png.dialog);
    EXPECT_EQ(png.message, 0);
}

} // namespace
} // namespace vistello
