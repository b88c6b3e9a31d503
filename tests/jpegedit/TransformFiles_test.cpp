// The engine on picture files: what is kept (bytes on failure, times, mode)
// and what is refused, with failures injected at each file step.
#include "app/samples/SamplePicture.h"
#include "jpegedit/TransformFixtures.h"
#include "jpegedit/transform/TransformJpegFile.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vistello {
namespace {

using test::TempDir;
using namespace test::transform;

TransformRequest rotateRight()
{
    TransformRequest r;
    r.op = TransformOp::Rotate90;
    return r;
}

QStringList entriesOf(const TempDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A device that accepts `limit` bytes and then reports a full disk.
class FullDisk : public QBuffer {
public:
    explicit FullDisk(qint64 limit) : limit_(limit) {}

protected:
    qint64 writeData(const char* data, qint64 len) override
    {
        if (size() + len > limit_)
            return -1;
        return QBuffer::writeData(data, len);
    }

private:
    qint64 limit_;
};

TEST(TransformFiles, inPlaceKeepsModificationTimeAndMode)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("p.jpg"), encodeLayout(Layout::Yuv420, 64, 48));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    const timespec times[2] = {{1500000000, 0}, {1600000000, 500000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    ASSERT_TRUE(transformJpegInPlace(path, rotateRight()).ok());
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1600000000);
    EXPECT_EQ(jpegSize(test::readAll(path)), QSize(48, 64));
    EXPECT_EQ(entriesOf(dir), QStringList{"p.jpg"});
}

TEST(TransformFiles, failedTemporaryWriteLeavesThePicture)
{
    TempDir dir;
    const QByteArray bytes = encodeLayout(Layout::Yuv420, 256, 256);
    const QString path = dir.write(QStringLiteral("p.jpg"), bytes);
    FileSteps steps = realFileSteps();
    steps.replace = [](const QString&, const std::function<bool(QIODevice&)>& write) {
        FullDisk disk(1000);
        disk.open(QIODevice::WriteOnly);
        return write(disk);
    };
    EXPECT_EQ(transformJpegInPlace(path, rotateRight(), steps).failure, TransformFailure::CannotWrite);
    EXPECT_EQ(test::readAll(path), bytes);
}

TEST(TransformFiles, failedRenameLeavesThePicture)
{
    TempDir dir;
    const QByteArray bytes = encodeLayout(Layout::Yuv420, 64, 64);
    const QString path = dir.write(QStringLiteral("p.jpg"), bytes);
    FileSteps steps = realFileSteps();
    bool wrote = false;
    steps.replace = [&](const QString&, const std::function<bool(QIODevice&)>& write) {
        QBuffer temporary;
        temporary.open(QIODevice::WriteOnly);
        wrote = write(temporary);
        return false; // the rename over the picture fails
    };
    EXPECT_FALSE(transformJpegInPlace(path, rotateRight(), steps).ok());
    EXPECT_TRUE(wrote);
    EXPECT_EQ(test::readAll(path), bytes);
}

TEST(TransformFiles, realReplaceLeavesNoTemporaryFileOnEngineFailure)
{
    TempDir dir;
    const QByteArray bytes = encodeLayout(Layout::Yuv420, 12, 12);
    const QString path = dir.write(QStringLiteral("p.jpg"), bytes);
    EXPECT_EQ(transformJpegInPlace(path, rotateRight()).failure, TransformFailure::TooSmall);
    EXPECT_EQ(test::readAll(path), bytes);
    EXPECT_EQ(entriesOf(dir), QStringList{"p.jpg"});
}

// The frame header of a small picture rewritten to claim another size.
QByteArray claimingSize(QByteArray jpeg, int width, int height)
{
    qsizetype p = 2;
    while (p + 9 <= jpeg.size() && uint8_t(jpeg[p]) == 0xFF) {
        const uint8_t m = uint8_t(jpeg[p + 1]);
        if (m == 0xC0 || m == 0xC2) {
            const char size[4] = {char(height >> 8), char(height), char(width >> 8), char(width)};
            jpeg.replace(p + 5, 4, size, 4);
            return jpeg;
        }
        p += 2 + ((uint8_t(jpeg[p + 2]) << 8) | uint8_t(jpeg[p + 3]));
    }
    return {};
}

// A few hundred bytes claiming 150 megapixels (found by fuzzing) or the
// largest size a JPEG can state: refused before the library allocates
// anything, the file left as it was.
TEST(TransformFiles, headerClaimingFarMoreThanTheDataHoldsIsRefused)
{
    struct Case {
        Layout layout;
        int width;
        int height;
    };
    for (const Case c : {Case{Layout::Yuv420, 65495, 2277}, Case{Layout::Progressive, 65500, 65500}}) {
        SCOPED_TRACE(layoutName(c.layout));
        TempDir dir;
        const QByteArray bytes = claimingSize(encodeLayout(c.layout, 32, 32), c.width, c.height);
        ASSERT_FALSE(bytes.isEmpty());
        const QString path = dir.write(QStringLiteral("p.jpg"), bytes);
        const TransformOutcome outcome = transformJpegInPlace(path, rotateRight());
        EXPECT_EQ(outcome.failure, TransformFailure::BadData);
        EXPECT_FALSE(outcome.libraryMessage.isEmpty());
        EXPECT_EQ(test::readAll(path), bytes);
        EXPECT_EQ(entriesOf(dir), QStringList{"p.jpg"});
    }
}

TEST(TransformFiles, writeProtectedPictureIsRefusedEvenForRoot)
{
    TempDir dir;
    const QByteArray bytes = encodeLayout(Layout::Yuv420, 64, 64);
    const QString path = dir.write(QStringLiteral("p.jpg"), bytes);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    EXPECT_EQ(transformJpegInPlace(path, rotateRight()).failure, TransformFailure::WriteProtected);
    EXPECT_EQ(test::readAll(path), bytes);
}

TEST(TransformFiles, targetThatIsTheSourceIsRefused)
{
    TempDir dir;
    const QByteArray bytes = encodeLayout(Layout::Yuv420, 64, 64);
    const QString path = dir.write(QStringLiteral("p.jpg"), bytes);
    const QString link = dir.file(QStringLiteral("hard.jpg"));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
    EXPECT_EQ(transformJpegFile(path, path, rotateRight()).failure, TransformFailure::SameFile);
    EXPECT_EQ(transformJpegFile(path, link, rotateRight()).failure, TransformFailure::SameFile);
    EXPECT_EQ(test::readAll(path), bytes);
}

TEST(TransformFiles, failedTransformToAnotherFileKeepsAnExistingTarget)
{
    TempDir dir;
    const QString source = dir.write(QStringLiteral("s.jpg"), encodeLayout(Layout::Yuv420, 64, 64));
    const QString target = dir.write(QStringLiteral("t.jpg"), QByteArray("keep me"));
    TransformRequest request;
    request.setCrop(10, 10, 500, 500);
    EXPECT_EQ(transformJpegFile(source, target, request).failure, TransformFailure::BadCrop);
    EXPECT_EQ(test::readAll(target), QByteArray("keep me"));
    EXPECT_EQ(entriesOf(dir), (QStringList{"s.jpg", "t.jpg"}));
}

TEST(TransformFiles, twoTransformsOfOnePictureAtOnceDoNotCollide)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("p.jpg"), encodeLayout(Layout::Yuv444, 256, 256));
    bool first = false;
    bool second = false;
    std::thread a([&] { first = transformJpegInPlace(path, rotateRight()).ok(); });
    std::thread b([&] { second = transformJpegInPlace(path, rotateRight()).ok(); });
    a.join();
    b.join();
    EXPECT_TRUE(first);
    EXPECT_TRUE(second);
    EXPECT_EQ(jpegSize(test::readAll(path)), QSize(256, 256));
    EXPECT_FALSE(readCoefficients(test::readAll(path)).empty());
    EXPECT_EQ(entriesOf(dir), QStringList{"p.jpg"});
}

TEST(TransformFiles, autoRotateOfAnUprightPictureLeavesTheFile)
{
    TempDir dir;
    const QByteArray bytes = encodeLayout(Layout::Yuv420, 64, 48);
    const QString path = dir.write(QStringLiteral("p.jpg"), bytes);
    const QFileInfo before(path);
    EXPECT_TRUE(autoRotate(path, true).ok());
    EXPECT_EQ(test::readAll(path), bytes);
    EXPECT_EQ(QFileInfo(path).lastModified(), before.lastModified());
}

// Only IFD0's orientation turns the picture; the thumbnail directory's does not.
TEST(TransformFiles, autoRotateReadsIfd0Only)
{
    TempDir dir;
    const QByteArray bytes = samples::buildSamplePicture({}, [](samples::ExifBuilder& exif) {
        exif.ifd0().remove(0x0112);
        exif.ifd1().set(samples::TiffField::shorts(0x0112, {6}));
    });
    const QString path = dir.write(QStringLiteral("p.jpg"), bytes);
    EXPECT_EQ(readAutoRotateOrientation(path), 1);
    EXPECT_TRUE(autoRotate(path, true).ok());
    EXPECT_EQ(test::readAll(path), bytes);

    const QByteArray turned = samples::buildSamplePicture({}, [](samples::ExifBuilder& exif) {
        exif.ifd0().set(samples::TiffField::shorts(0x0112, {8}));
        exif.ifd1().set(samples::TiffField::shorts(0x0112, {6}));
    });
    EXPECT_EQ(readAutoRotateOrientation(dir.write(QStringLiteral("q.jpg"), turned)), 8);
}

} // namespace
} // namespace vistello
