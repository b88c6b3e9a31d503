// The desktop's shared thumbnail cache: names as the desktop's other
// programs spell them (expected URIs taken from `gio info`), freshness by the
// picture's stamp, and the modes and places of what we write.
#include "imaging/sharedthumbs/SharedThumbnails.h"
#include "imaging/sharedthumbs/ThumbnailUri.h"
#include "support/TempDir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <utility>
#include <vector>

namespace vistello {
namespace {

struct UriCase {
    const char* path;
    const char* uri;
};

class ThumbnailUriTable : public ::testing::TestWithParam<UriCase> {};

TEST_P(ThumbnailUriTable, SpelledAsTheDesktopSpellsIt)
{
    EXPECT_EQ(fileUri(QString::fromUtf8(GetParam().path)), QByteArray(GetParam().uri));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ThumbnailUriTable,
    ::testing::Values(UriCase{"/tmp/a.jpg", "file:///tmp/a.jpg"},
                      UriCase{"/tmp/a b/\xc3\xa7.jpg", "file:///tmp/a%20b/%C3%A7.jpg"},
                      UriCase{"/t/#;?[]%.jpg", "file:///t/%23%3B%3F%5B%5D%25.jpg"},
                      UriCase{"/t/!$&'()*+,=:@~-_.jpg", "file:///t/!$&'()*+,=:@~-_.jpg"},
                      UriCase{"/t/x\"<>^`{|}\\.jpg", "file:///t/x%22%3C%3E%5E%60%7B%7C%7D%5C.jpg"},
                      UriCase{"/t/\xe6\x97\xa5\xe6\x9c\xac.JPG", "file:///t/%E6%97%A5%E6%9C%AC.JPG"}));

TEST(ThumbnailUri, NameIsTheMd5OfTheUri)
{
    // md5sum of the URI's bytes.
    EXPECT_EQ(sharedThumbnailName("file:///tmp/a.jpg"), QStringLiteral("fd3d4bbf23a83793d4c47b368af0416e.png"));
    EXPECT_EQ(sharedThumbnailName("file:///home/a%20b/%C3%A7.jpg"),
              QStringLiteral("c691b7a223c1712535ebc534539e50e8.png"));
}

struct StampCase {
    const char* what;
    ThumbnailStamp stamp;
    bool fresh;
};

class ThumbnailStampTable : public ::testing::TestWithParam<StampCase> {};

TEST_P(ThumbnailStampTable, FreshOnlyWhenTheStampIsThePicturesNow)
{
    const PictureStamp picture{"file:///p/a.jpg", 1700000000, 5000};
    EXPECT_EQ(stampMatches(GetParam().stamp, picture), GetParam().fresh) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Stamps, ThumbnailStampTable,
    ::testing::Values(
        StampCase{"all equal", {"file:///p/a.jpg", "1700000000", "5000"}, true},
        StampCase{"no size", {"file:///p/a.jpg", "1700000000", ""}, true},
        StampCase{"fractional seconds", {"file:///p/a.jpg", "1700000000.25", ""}, true},
        StampCase{"touched", {"file:///p/a.jpg", "1700000001", "5000"}, false},
        StampCase{"older", {"file:///p/a.jpg", "1699999999", "5000"}, false},
        StampCase{"other size", {"file:///p/a.jpg", "1700000000", "5001"}, false},
        StampCase{"other file", {"file:///p/b.jpg", "1700000000", "5000"}, false},
        StampCase{"no mtime", {"file:///p/a.jpg", "", "5000"}, false},
        StampCase{"garbage mtime", {"file:///p/a.jpg", "soon", "5000"}, false},
        StampCase{"garbage size", {"file:///p/a.jpg", "1700000000", "big"}, false}));

int modeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

QImage thumbnail(QSize size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::darkGreen);
    return image;
}

class SharedThumbnailsTest : public ::testing::Test {
protected:
    QString picture(const QString& name)
    {
        return dir_.write(QStringLiteral("pictures/") + name, "picture bytes");
    }
    void touch(const QString& path, qint64 secondsLater)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const QDateTime when = QFileInfo(path).lastModified().addSecs(secondsLater);
        ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    }

    test::TempDir dir_;
    QString root_ = dir_.file(QStringLiteral("cache/thumbnails"));
};

TEST_F(SharedThumbnailsTest, WrittenPrivatelyAndFoundWhileFresh)
{
    const SharedThumbnails cache(root_);
    const QString path = picture(QStringLiteral("a.jpg"));
    ASSERT_TRUE(cache.store(QFileInfo(path), thumbnail({128, 96}), SharedSize::Normal));

    const QString written = cache.thumbnailPath(path, SharedSize::Normal);
    EXPECT_EQ(written, root_ + QStringLiteral("/normal/") + sharedThumbnailName(fileUri(path)));
    EXPECT_EQ(modeOf(written), 0600);
    EXPECT_EQ(modeOf(root_), 0700);
    EXPECT_EQ(modeOf(root_ + QStringLiteral("/normal")), 0700);
    EXPECT_EQ(modeOf(dir_.file(QStringLiteral("cache"))), 0700);
    const QImage stamped(written, "png");
    EXPECT_EQ(stamped.text(QStringLiteral("Thumb::URI")), QString::fromLatin1(fileUri(path)));
    EXPECT_EQ(stamped.text(QStringLiteral("Thumb::MTime")),
              QString::number(QFileInfo(path).lastModified().toSecsSinceEpoch()));
    EXPECT_EQ(stamped.text(QStringLiteral("Thumb::Size")), QString::number(QFileInfo(path).size()));

    EXPECT_EQ(cache.find(QFileInfo(path), SharedSize::Normal).size(), QSize(128, 96));
    EXPECT_TRUE(cache.find(QFileInfo(path), SharedSize::Large).isNull());
    touch(path, 5);
    EXPECT_TRUE(cache.find(QFileInfo(path), SharedSize::Normal).isNull()) << "a touched picture's thumbnail is stale";
}

// The texts of each chunk type, in file order.
std::vector<std::pair<QByteArray, QByteArray>> chunkTexts(const QString& png)
{
    QFile file(png);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    std::vector<std::pair<QByteArray, QByteArray>> texts;
    for (qsizetype at = 8; at + 12 <= data.size();) {
        const auto* p = reinterpret_cast<const uchar*>(data.constData() + at);
        const qsizetype length = (qsizetype(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
        texts.emplace_back(data.mid(at + 4, 4), data.mid(at + 8, length));
        at += 12 + length;
    }
    return texts;
}

// Qt put long texts into zTXt chunks, which GLib's thumbnail check does not
// read: every thumbnail of a picture with a long path was invalid to the
// file manager.
TEST_F(SharedThumbnailsTest, LongUrisAreWrittenAsPlainText)
{
    const SharedThumbnails cache(root_);
    const QString path = picture(QStringLiteral("a folder with a rather long name/IMG_20240101_123456789.jpg"));
    ASSERT_TRUE(cache.store(QFileInfo(path), thumbnail({128, 96}), SharedSize::Normal));
    const QByteArray uri = fileUri(path);
    ASSERT_GT(uri.size(), 80);
    bool plain = false;
    for (const auto& [type, body] : chunkTexts(cache.thumbnailPath(path, SharedSize::Normal))) {
        EXPECT_NE(type, QByteArray("zTXt"));
        plain = plain || (type == "tEXt" && body == QByteArray("Thumb::URI") + '\0' + uri);
    }
    EXPECT_TRUE(plain);
    EXPECT_FALSE(cache.find(QFileInfo(path), SharedSize::Normal).isNull());
}

TEST_F(SharedThumbnailsTest, FailuresAreRecordedUnderOurOwnName)
{
    const SharedThumbnails cache(root_);
    const QString path = picture(QStringLiteral("broken.jpg"));
    EXPECT_FALSE(cache.failedBefore(QFileInfo(path)));
    ASSERT_TRUE(cache.recordFailure(QFileInfo(path)));
    EXPECT_TRUE(cache.failurePath(path).startsWith(root_ + QStringLiteral("/fail/vistello-le/")));
    EXPECT_EQ(modeOf(cache.failurePath(path)), 0600);
    EXPECT_EQ(modeOf(root_ + QStringLiteral("/fail")), 0700);
    EXPECT_TRUE(cache.failedBefore(QFileInfo(path)));
    touch(path, 5);
    EXPECT_FALSE(cache.failedBefore(QFileInfo(path))) << "a changed file is tried again";
}

TEST_F(SharedThumbnailsTest, NothingWrittenForTheCacheItselfOrWhenWritingIsOff)
{
    const SharedThumbnails cache(root_);
    const QString inside = dir_.write(QStringLiteral("cache/thumbnails/normal/x.png"), "png");
    EXPECT_FALSE(cache.mayWrite(QFileInfo(inside)));
    EXPECT_FALSE(cache.store(QFileInfo(inside), thumbnail({10, 10}), SharedSize::Normal));

    const QString path = picture(QStringLiteral("b.jpg"));
    const SharedThumbnails readOnly(root_, false);
    EXPECT_FALSE(readOnly.store(QFileInfo(path), thumbnail({128, 96}), SharedSize::Normal));
    EXPECT_FALSE(readOnly.recordFailure(QFileInfo(path)));
    EXPECT_FALSE(QFile::exists(readOnly.thumbnailPath(path, SharedSize::Normal)));
    // What others wrote is still read.
    ASSERT_TRUE(cache.store(QFileInfo(path), thumbnail({128, 96}), SharedSize::Normal));
    EXPECT_FALSE(readOnly.find(QFileInfo(path), SharedSize::Normal).isNull());
    cache.forget(path);
    EXPECT_FALSE(QFile::exists(cache.thumbnailPath(path, SharedSize::Normal)));
}

TEST_F(SharedThumbnailsTest, ReplacingKeepsNoTemporaryFilesAndRejectsGarbage)
{
    const SharedThumbnails cache(root_);
    const QString path = picture(QStringLiteral("c.jpg"));
    ASSERT_TRUE(cache.store(QFileInfo(path), thumbnail({100, 50}), SharedSize::Normal));
    ASSERT_TRUE(cache.store(QFileInfo(path), thumbnail({128, 64}), SharedSize::Normal));
    EXPECT_EQ(QDir(root_ + QStringLiteral("/normal")).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_EQ(cache.find(QFileInfo(path), SharedSize::Normal).size(), QSize(128, 64));

    QFile garbage(cache.thumbnailPath(path, SharedSize::Normal));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    garbage.write("\x89PNG\r\n\x1a\n garbage");
    garbage.close();
    EXPECT_TRUE(cache.find(QFileInfo(path), SharedSize::Normal).isNull());
}

TEST(SharedThumbnailsRoot, FollowsTheCacheHome)
{
    const QByteArray saved = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", "/somewhere/cache");
    EXPECT_EQ(SharedThumbnails::defaultRoot(), QStringLiteral("/somewhere/cache/thumbnails"));
    qputenv("XDG_CACHE_HOME", "relative/cache"); // not absolute: ignored
    EXPECT_EQ(SharedThumbnails::defaultRoot(), QDir::homePath() + QStringLiteral("/.cache/thumbnails"));
    qputenv("XDG_CACHE_HOME", saved);
    if (saved.isEmpty())
        qunsetenv("XDG_CACHE_HOME");
}

TEST(SharedSizes, TheSmallestThatHoldsTheTile)
{
    EXPECT_EQ(sharedSizeFor({80, 80}), SharedSize::Normal);
    EXPECT_EQ(sharedSizeFor({128, 100}), SharedSize::Normal);
    EXPECT_EQ(sharedSizeFor({160, 160}), SharedSize::Large);
}

} // namespace
} // namespace vistello
