// The viewer with read-ahead and tiled zoom: the next picture is decoded
// while one is shown, and zoom mode draws tiles decoded for what is on
// screen, with the pixels of the picture decoded whole.
#include "ui/viewer/PictureView.h"

#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/PictureLoader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <thread>

using namespace vistello;

namespace {

QString writeJpeg(const QTemporaryDir& dir, const QString& name, QSize size)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            row[x] = qRgb(x * 255 / size.width(), y * 255 / size.height(), (x / 7 + y / 5) % 2 * 200);
    }
    const QString path = dir.filePath(name);
    EXPECT_TRUE(QImageWriter(path, "jpeg").write(image));
    return path;
}

} // namespace

// The fault: each step decoded its picture only when asked, so every new
// picture cost a whole decode between key and frame.
TEST(PictureViewReadAhead, TheNextPictureIsDecodedWhileOneIsShown)
{
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < 3; ++i)
        paths << writeJpeg(dir, QStringLiteral("%1.jpg").arg(i), QSize(900, 600));
    PictureView view(nullptr);
    view.setNeighbourSource([&](int index) { return paths.value(index); });
    view.resize(400, 300);
    view.show();
    view.showPicture(paths[0], 0, 3);
    EXPECT_FALSE(view.stateJson().value(QStringLiteral("readAhead"))[QStringLiteral("shownFromCache")].toBool());
    QElapsedTimer clock;
    clock.start();
    // The second decode starts once the first (the next picture) is done.
    while (view.stateJson().value(QStringLiteral("readAhead"))[QStringLiteral("started")].toInt() < 2
           && clock.elapsed() < 10000)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    view.showPicture(paths[1], 1, 3);
    const QJsonObject state = view.stateJson();
    EXPECT_TRUE(state.value(QStringLiteral("readAhead"))[QStringLiteral("shownFromCache")].toBool());
    EXPECT_FALSE(view.shownImage().isNull());
}

// The fault: zoom decoded the whole picture at the level's scale, which a
// huge picture cannot afford; now only the tiles on screen are decoded, and
// they show the same pixels.
TEST(PictureViewZoomTiles, TilesShowThePictureDecodedWhole)
{
    QTemporaryDir dir;
    const QString path = writeJpeg(dir, QStringLiteral("z.jpg"), QSize(3000, 2200));
    PictureView view(nullptr);
    view.resize(600, 400);
    view.show();
    view.showPicture(path, 0, 1);
    view.toggleZoom();
    view.moveZoomed(QPoint(-700, -500));
    const QJsonObject state = view.stateJson();
    ASSERT_EQ(state.value(QStringLiteral("mode")).toString(), QStringLiteral("zoom"));
    const QJsonArray tiles = state.value(QStringLiteral("zoomTiles")).toArray();
    EXPECT_TRUE(tiles.at(0).toBool()); // tiled
    EXPECT_LE(tiles.at(2).toInt(), 12); // the view and a margin, of the picture's 6 x 5
    const QJsonArray offset = state.value(QStringLiteral("zoomOffset")).toArray();
    const QPoint at(offset.at(0).toInt(), offset.at(1).toInt());
    EXPECT_EQ(at, QPoint(-700, -500));

    PictureRequest request;
    request.path = path;
    request.reduceNum = request.reduceDenom = 1;
    const std::optional<CachedPicture> whole = loadPicture(request);
    ASSERT_TRUE(whole);
    const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB888);
    // Away from the navigator (top left) and the button row (bottom).
    const QImage expected = whole->image.copy(QRect(-at + QPoint(250, 150), QSize(300, 150)));
    const QImage got = shot.copy(QRect(250, 150, 300, 150));
    int worst = 0;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x) {
            const QRgb a = got.pixel(x, y), b = expected.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_EQ(worst, 0);
}
