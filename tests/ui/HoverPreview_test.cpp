#include "ui/overview/HoverPreview.h"

#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

QString writePicture(const QTemporaryDir& dir, const char* name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString path = dir.filePath(QString::fromLatin1(name));
    QImageWriter(path, "jpeg").write(image);
    return path;
}

// The largest side shown within ms.
int largestSideWithin(HoverPreview& preview, int ms)
{
    int largest = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
        largest = std::max(largest, preview.shownSide());
    }
    return largest;
}

} // namespace

// A picture larger than a tile grows to its 300-pixel preview inside the
// bounds; one that fits into a tile shows nothing.
TEST(HoverPreviewWidget, GrowsOnlyForPicturesLargerThanTheTile)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    QTemporaryDir dir;
    const QRect bounds(0, 0, 400, 400);
    HoverPreview preview(nullptr);
    preview.start(writePicture(dir, "large.jpg", {640, 480}), {20, 380}, bounds);
    EXPECT_EQ(largestSideWithin(preview, 300), 0); // still resting
    EXPECT_EQ(largestSideWithin(preview, 1500), 300);
    EXPECT_TRUE(bounds.contains(preview.geometry()));

    preview.start(writePicture(dir, "small.jpg", {60, 40}), {200, 200}, bounds);
    EXPECT_EQ(largestSideWithin(preview, 1000), 0);
    preview.stop();
    EXPECT_FALSE(preview.isVisible());
}
