// The target drop-down of "Convert picture format" and the format options
// the JPEG dialog edits.
#include "app/window/taskpane/ConvertTargets.h"
#include "app/window/taskpane/FormatOptions.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(ConvertTargets, TheWritableFormatsByFirstExtensionAndDescription)
{
    PictureFileTypes types;
    registerBuiltInFormats(types, true, nullptr);
    const std::vector<ConvertTarget> targets = convertTargets(types);
    ASSERT_EQ(targets.size(), 2u); // THM and the media formats are read only
    EXPECT_EQ(targets[0].text(), QStringLiteral(".jpg - Jpeg picture format"));
    EXPECT_EQ(targets[1].text(), QStringLiteral(".bmp - BMP picture format with 24 bit color depth"));

    struct Case {
        const char* stored;
        int chosen;
    };
    const Case cases[] = {{".jpg", 0}, {".bmp", 1}, {".BMP", 1}, {".tif", 0}, {"", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(chosenTarget(targets, QString::fromLatin1(c.stored)), c.chosen) << c.stored;
    EXPECT_EQ(chosenTarget({}, QStringLiteral(".jpg")), -1);
}

TEST(FormatOptions, OnlyJpegHasADialog)
{
    EXPECT_TRUE(formatHasOptionsDialog(QStringLiteral("Jpeg")));
    EXPECT_FALSE(formatHasOptionsDialog(QStringLiteral("BMP")));
    EXPECT_FALSE(formatHasOptionsDialog(QString()));
}

TEST(FormatOptions, StoredUnderTheFormatsPropertyKeyAndHandedToIt)
{
    PictureFileTypes types;
    QString handed;
    FormatDescriptor jpeg;
    jpeg.extensions = QStringLiteral(".jpg;.jpeg");
    jpeg.formatName = QStringLiteral("Jpeg");
    jpeg.capabilities = 3;
    jpeg.setProperties = [&handed](const QString& options) { handed = options; };
    types.registerFormat(jpeg, false, nullptr);
    SettingsStore store;
    storeFormatOptions(store, types, QStringLiteral("Jpeg"), QStringLiteral("75,40"));
    EXPECT_EQ(store.getString(QStringLiteral("Jpeg_property")), QStringLiteral("75,40"));
    EXPECT_EQ(formatOptions(store, QStringLiteral("Jpeg")), QStringLiteral("75,40"));
    EXPECT_EQ(handed, QStringLiteral("75,40"));
}

} // namespace
} // namespace vistello
