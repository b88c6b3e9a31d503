#pragma once
// One lane's way from a picture file to its thumbnail: the desktop's shared
// thumbnail when it is fresh, else the picture's embedded thumbnail when it
// is large enough for the tile, else a decode of the picture, after which
// the shared thumbnail is written for the desktop's other programs.
#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>
#include <memory>

class QFileInfo;

namespace vistello {

class DecodedPicture;
class PausableWorker;
class SharedThumbnails;
class SoundMarkIndex;

enum class ThumbnailSource : unsigned char {
    Shared,     // the desktop's shared cache
    Embedded,   // the thumbnail in the picture's header
    Decoded,    // the picture itself
    Unreadable, // no thumbnail: the picture could not be read
};
constexpr int kThumbnailSourceCount = 4;

// What one picture gave: the upright thumbnail fitted into the box (null
// when it could not be read), its media mark and where it came from.
struct ThumbnailPicture {
    QImage image;
    int mediaMark = 0;
    ThumbnailSource source = ThumbnailSource::Decoded;
};

struct ThumbnailMakerSetup {
    QSize box{80, 80};
    QRgb background = 0xffffffff;
    bool showMediaMarks = true;
    SoundMarkIndex* sounds = nullptr; // the lanes' companion-sound lookups; with marks
    bool autoRotate = true; // shared thumbnails are upright: used only then
    const SharedThumbnails* shared = nullptr; // none: decode every time
    const std::atomic<bool>* stopFlag = nullptr;
    PausableWorker* owner = nullptr; // holds the cache changes of other threads
};

class ThumbnailMaker {
public:
    static constexpr int kCacheCapacity = 100;

    explicit ThumbnailMaker(const ThumbnailMakerSetup& setup);
    ~ThumbnailMaker();

    ThumbnailPicture make(const QString& path);
    DecodedPicture& picture() { return *picture_; }

private:
    ThumbnailPicture fromSharedCache(const QString& path, const QFileInfo& info);
    ThumbnailPicture decode(const QString& path, const QFileInfo& info);
    int markOf(const QString& path, bool embeddedSound);
    QImage fitted(const QImage& image) const;

    ThumbnailMakerSetup setup_;
    std::unique_ptr<DecodedPicture> picture_;
};

} // namespace vistello
