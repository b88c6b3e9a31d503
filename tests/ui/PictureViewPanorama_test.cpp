// Panorama mode on a long JPEG: beyond the bound the rendering is drawn from
// tiles of the part on screen, with the geometry and (nearly) the pixels of
// the whole decode.
#include "ui/viewer/PictureView.h"

#include "app/window/frame/CommandIds.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"

#include <QElapsedTimer>
#include <QImageWriter>
#include <QJsonArray>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <thread>

using namespace vistello;

namespace {

// Smooth along both sides, so that resampling differs only slightly.
QString writePanorama(const QTemporaryDir& dir, QSize size)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            row[x] = qRgb(128 + int(100 * std::sin(x / 40.0)), 128 + int(100 * std::cos(y / 60.0)),
                          x * 255 / size.width());
    }
    const QString path = dir.filePath(QStringLiteral("long.jpg"));
    EXPECT_TRUE(QImageWriter(path, "jpeg").write(image));
    return path;
}

struct PanoramaView {
    PictureView view{nullptr};

    PanoramaView(const QString& path, int screens)
    {
        ViewerSettings settings;
        settings.panoramaAutoScroll = false; // still, to compare
        settings.infoBoxState = 0;
        view.setSettings(settings);
        view.setPanoramaTileBound(screens);
        view.resize(400, 200);
        view.setModes(true, false);
        view.show();
        view.showPicture(path, 0, 1);
    }

    void scrollTo(int position) { view.findChild<QScrollBar*>()->setValue(position); }
};

} // namespace

TEST(PictureViewPanorama, LongPanoramaIsDrawnFromTilesNearTheView)
{
    QTemporaryDir dir;
    const QString path = writePanorama(dir, QSize(24000, 600));
    PanoramaView tiled(path, PanoramaTiles::kScreens);
    PanoramaView whole(path, 1000); // the bound out of reach: decoded whole
    const QJsonObject a = tiled.view.stateJson(), b = whole.view.stateJson();
    ASSERT_EQ(a.value(QStringLiteral("mode")).toString(), QStringLiteral("panorama"));
    EXPECT_EQ(a.value(QStringLiteral("renderedSize")).toArray(), (QJsonArray{8000, 200}));
    EXPECT_EQ(a.value(QStringLiteral("renderedSize")), b.value(QStringLiteral("renderedSize")));
    EXPECT_EQ(a.value(QStringLiteral("panoramaBar")), b.value(QStringLiteral("panoramaBar")));
    EXPECT_TRUE(whole.view.panoramaTileCache().size() == 0);
    // The view's tile and the one after it, of 16.
    EXPECT_EQ(tiled.view.panoramaTileCache().size(), 2);

    tiled.scrollTo(3000);
    whole.scrollTo(3000);
    // Tiles 4 to 7 around the view join the first two; no others.
    EXPECT_EQ(tiled.view.panoramaTileCache().size(), 6);
    EXPECT_LE(tiled.view.panoramaTileCache().bytes(), 6 * 512 * 200 * 4);
    const QImage got = tiled.view.grab().toImage().convertToFormat(QImage::Format_RGB888);
    const QImage expected = whole.view.grab().toImage().convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(got.size(), expected.size());
    int worst = 0;
    double sum = 0;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x) {
            const QRgb p = got.pixel(x, y), q = expected.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            worst = std::max(worst, d);
            sum += d;
        }
    EXPECT_LE(worst, 16);
    EXPECT_LE(sum / (got.width() * got.height()), 4.0);
}

// An in-memory edit works on the whole rendering: the tiled panorama is
// decoded whole at its place and then edited.
TEST(PictureViewPanorama, InMemoryEditDecodesTheTiledPanoramaWhole)
{
    QTemporaryDir dir;
    const QString path = writePanorama(dir, QSize(24000, 600));
    PanoramaView tiled(path, PanoramaTiles::kScreens);
    tiled.scrollTo(3000);
    ASSERT_TRUE(tiled.view.shownImage().isNull()); // tiles only
    tiled.view.editInMemory(command::Invert);
    EXPECT_EQ(tiled.view.shownImage().size(), QSize(8000, 200));
    EXPECT_EQ(tiled.view.panoramaTileCache().size(), 0);
    const QJsonArray bar = tiled.view.stateJson().value(QStringLiteral("panoramaBar")).toArray();
    EXPECT_EQ(bar.at(6).toInt(), 3000); // still where it was
}

// The fault: read-ahead decoded the next picture whole even when it was a
// panorama that would be drawn from tiles, holding the whole rendering.
TEST(PictureViewPanorama, ReadAheadLeavesATiledPanoramaAlone)
{
    QTemporaryDir dir;
    const QString path = writePanorama(dir, QSize(24000, 600));
    const QString small = dir.filePath(QStringLiteral("small.jpg"));
    QImage image(900, 300, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(QImageWriter(small, "jpeg").write(image));
    PictureView view(nullptr);
    const QStringList paths{small, path};
    view.setNeighbourSource([&](int index) { return paths.value(index); });
    view.resize(400, 200);
    view.setModes(true, false);
    view.show();
    view.showPicture(small, 0, 2);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1500)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(view.stateJson().value(QStringLiteral("readAhead"))[QStringLiteral("started")].toInt(), 0);
}
