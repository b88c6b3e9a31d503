#pragma once
// A picture file turned into a bitmap of a requested size, ready to draw:
// handler by extension, reduced-scale decode, colour conversion, upright by
// the EXIF orientation, fitted into the box, kept in this object's cache.
// Each view owns its own objects; one thread uses an object at a time.
#include "imaging/cache/PictureCache.h"
#include "imaging/decode/PictureLoader.h"

#include <QImage>
#include <QString>
#include <atomic>

namespace vistello {

class CompanionSoundIndex;
class PausableWorker;

class DecodedPicture {
public:
    DecodedPicture();  // registers the object process-wide
    ~DecodedPicture(); // and leaves the registry
    DecodedPicture(const DecodedPicture&) = delete;
    DecodedPicture& operator=(const DecodedPicture&) = delete;

    // An ordinary request; afterwards valid() tells the result.
    bool load(const QString& path);
    // The thumbnail variant (embedded thumbnail first, fast decode, 1/1
    // intermediate limit, media mark).
    bool loadThumbnail(const QString& path);

    // What load() would ask for path with the present settings, and the
    // key its rendering is cached under: a worker may decode it ahead.
    PictureRequest requestFor(const QString& path, bool thumbnail = false) const;
    QString cacheKey(const QString& path) const;

    void setBox(int width, int height) { targetWidth_ = width; targetHeight_ = height; }
    void setScale(int num, int denom) { scaleNum_ = num; scaleDenom_ = denom; }
    void setReduceLimit(int num, int denom) { reduceNum_ = num; reduceDenom_ = denom; }
    void setPanoramaMode(bool on) { panoramaMode_ = on; }
    void setUseColourProfiles(bool on) { useColourProfiles_ = on; }
    void setAllowEnlarge(bool on) { allowEnlarge_ = on; }
    void setAutoRotate(bool on) { autoRotate_ = on; }         // the "Orientation" setting
    void setShowMediaMarks(bool on) { showMediaMarks_ = on; } // thumbnails only
    // Folder listings shared by the pictures of one list (owned by the caller).
    void setCompanionSoundIndex(CompanionSoundIndex* index) { soundIndex_ = index; }
    void setBackgroundColour(QRgb colour) { backgroundColour_ = colour; }
    void setCacheCapacity(int capacity) { cache_.setCapacity(capacity); }
    // A worker's stop flag, polled during decoding (null for none).
    void setStopFlag(const std::atomic<bool>* flag) { stopFlag_ = flag; }
    // The worker whose thread loads this picture: the process-wide cache
    // changes below hold it at a checkpoint while they touch the cache.
    void setOwningWorker(PausableWorker* worker) { owningWorker_ = worker; }
    PausableWorker* owningWorker() const { return owningWorker_; }

    // The current bitmap: RGB888, top-down, rows padded to 4 bytes. It is
    // implicitly shared, so a copy held by a view survives cache eviction.
    const QImage& image() const { return image_; }

    bool valid() const { return valid_; }
    QString path() const { return path_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    int targetWidth() const { return targetWidth_; }
    int targetHeight() const { return targetHeight_; }
    int fileWidth() const { return fileWidth_; }
    int fileHeight() const { return fileHeight_; }
    int mcuWidth() const { return mcuWidth_; }
    int mcuHeight() const { return mcuHeight_; }
    int orientation() const { return orientation_; }
    int mediaMark() const { return mediaMark_; } // 0 none, 1 embedded sound, 2 companion file
    QRgb backgroundColour() const { return backgroundColour_; }
    int id() const { return id_; }

    // The text a view shows in the box when valid() is false.
    QString failureText() const;

    // Drops every cached bitmap of path (exact path, any box).
    void fileChanged(const QString& path);
    PictureCache& cache() { return cache_; }

private:
    bool loadVariant(const QString& path, bool thumbnail);

    QString path_;
    int targetWidth_ = 0;
    int targetHeight_ = 0;
    int scaleNum_ = 1;
    int scaleDenom_ = 1;
    int reduceNum_ = 3;
    int reduceDenom_ = 2;
    QRgb backgroundColour_ = 0xffffffff;
    bool panoramaMode_ = false;
    bool useColourProfiles_ = true;
    bool allowEnlarge_ = false;
    bool autoRotate_ = true;
    bool showMediaMarks_ = false;
    CompanionSoundIndex* soundIndex_ = nullptr;
    bool valid_ = false;
    int fileWidth_ = 0;
    int fileHeight_ = 0;
    int mcuWidth_ = 1;
    int mcuHeight_ = 1;
    int orientation_ = 1;
    int mediaMark_ = 0;
    QImage image_;
    PictureCache cache_;
    const std::atomic<bool>* stopFlag_ = nullptr;
    PausableWorker* owningWorker_ = nullptr;
    int id_ = 0;
};

// Process-wide, over every DecodedPicture (user-interface thread). Pictures
// loaded on a worker's thread are changed only while that worker is paused.
void dropPathEverywhere(const QString& path); // after a file was rewritten
void clearEverywhere();                       // refresh
void renameEverywhere(const QString& oldPath, const QString& newPath);
void renameFolderEverywhere(const QString& oldFolder, const QString& newFolder);

} // namespace vistello
