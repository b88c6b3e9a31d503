// The gallery's scaled copies ("k_") follow the resize record as the resize
// command does: the record is repaired first, and a file-size limit is met
// by the quality search or, with fixed qualities, the scale search. Sizes
// and qualities are read back by ImageMagick.
#include "app/SampleTools.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/jpegwrite/PictureWriting.h"
#include "publish/PublishFixtures.h"
#include "publish/gallery/GalleryRun.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace vistello {
namespace {

using test::TempDir;
using test::sampletools::runTool;

TEST(GalleryCopies, FollowTheRepairedRecordAndItsSizeLimit)
{
    SKIP_WITHOUT_TOOL("identify");
    PictureFileTypes& types = PictureFileTypes::instance();
    registerBuiltInFormats(types, false, nullptr);
    enablePictureWriting(types);
    TempDir dir;
    const QString picture = dir.write("src/p.jpg", test::publish::detailedJpeg(480, 360));
    constexpr qint64 kLimit = 12 * 1024;

    ResizeSettings box; // at 90, 90
    box.width = 320;
    box.height = 240;
    ResizeSettings qualitySearch = box;
    qualitySearch.qualityGiven = false;
    qualitySearch.sizeLimitGiven = true;
    qualitySearch.sizeLimitKilobytes = kLimit / 1024;
    ResizeSettings scaleSearch = qualitySearch;
    scaleSearch.enabled = false;
    scaleSearch.qualityGiven = true;
    ResizeSettings repaired; // becomes 1/4 at 90, 90
    repaired.fixedSize = false;
    repaired.ratioNumerator = 0;
    repaired.lumaQuality = 300;
    repaired.chromaQuality = -7;
    struct Case {
        const char* name;
        ResizeSettings record;
        QString size;    // WxH; empty: smaller than the picture
        qint64 maxBytes; // 0: no limit
        QString quality; // as identify estimates it; empty: any
    } const cases[] = {
        {"box", box, "320x240", 0, "90"},
        {"quality search", qualitySearch, "320x240", kLimit, ""},
        {"scale search", scaleSearch, "", kLimit, "90"},
        {"repaired", repaired, "120x90", 0, "90"},
    };
    for (const Case& c : cases) {
        const QString out = dir.file(QStringLiteral("%1/").arg(c.name));
        QDir().mkpath(out);
        GallerySettings settings;
        settings.targetFolder = out;
        settings.resize = c.record;
        ASSERT_TRUE(createGallery(types, {picture}, settings, {}).finished) << c.name;
        const QString copy = out + "k_p.jpg";
        const QStringList read = QString::fromUtf8(runTool("identify", {"-format", "%wx%h %Q", copy}).out).split(' ');
        ASSERT_EQ(read.size(), 2) << c.name;
        if (!c.size.isEmpty())
            EXPECT_EQ(read[0].toStdString(), c.size.toStdString()) << c.name;
        else
            EXPECT_LT(read[0].section('x', 0, 0).toInt(), 480) << c.name;
        if (c.maxBytes > 0) {
            EXPECT_LE(QFileInfo(copy).size(), c.maxBytes) << c.name;
            EXPECT_GT(QFileInfo(copy).size(), c.maxBytes * 3 / 4) << c.name; // the best that fits, not the smallest
        }
        if (!c.quality.isEmpty())
            EXPECT_EQ(read[1].toStdString(), c.quality.toStdString()) << c.name;
    }
}

} // namespace
} // namespace vistello
