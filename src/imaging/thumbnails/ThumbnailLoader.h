#pragma once
// The overview page's background thread: makes an 80 x 80 tile for every
// picture of its list, starting at the first visible item and following it
// when the user scrolls, and hands the tiles to its sink.
//
// The list it reads is its own copy. The owner changes it (and the done
// marks) only between pause() and resume(); setRequestedIndex() may be
// called at any time.
#include "core/jobs/PausableWorker.h"
#include "imaging/thumbnails/ThumbnailSink.h"

#include <QImage>
#include <QSize>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace vistello {

class CompanionSoundIndex;
class DecodedPicture;

struct ThumbnailOptions {
    QSize box{80, 80};            // the overview page's tiles
    QRgb background = 0xffffffff; // the tile colour around the thumbnail
    bool showMediaMarks = true;   // "PicturesWithAudio"
    bool autoRotate = true;       // "Orientation"
    bool belowNormalPriority = true; // keeps the user interface responsive
};

// What one picture gave: the upright thumbnail fitted into the box (null
// when it could not be read) and its media mark.
struct ThumbnailPicture {
    QImage image;
    int mediaMark = 0;
};
using ThumbnailDecoder = std::function<ThumbnailPicture(const QString& path)>;

class ThumbnailLoader : public PausableWorker {
public:
    static constexpr int kCacheCapacity = 100;

    // Generation numbers are process-wide, so tiles of any earlier loader or
    // of this one before a change of its list never match the current one.
    ThumbnailLoader(ThumbnailSink& sink, QStringList paths, const ThumbnailOptions& options = {});
    ~ThumbnailLoader() override; // stops and waits for the thread

    // Another source of thumbnails than the loader's own DecodedPicture;
    // before start().
    void setDecoder(ThumbnailDecoder decoder);

    // After stop() returns, no tile reaches the sink any more, even when the
    // thread missed the time-out.
    bool stop(int timeoutMs) override;

    // Owner's thread, only while paused (or before start). Each change of
    // the list's order takes a new generation.
    void setPaths(QStringList paths); // every entry undone
    void invalidate(int index);       // made again
    void removeAt(int index);
    void insertAt(int index, const QString& path);
    void append(const QString& path) { insertAt(int(paths_.size()), path); }
    const QStringList& paths() const { return paths_; }
    // The loader's DecodedPicture (cache upkeep); only while paused.
    DecodedPicture* thumbnailPicture() { return thumbnail_.get(); }

    // Any time: the first visible item; the loader continues from there.
    void setRequestedIndex(int index);
    int requestedIndex() const { return requestedIndex_.load(); }
    quint64 generation() const { return generation_.load(); }

protected:
    void run() override;

private:
    int firstUndone() const;
    void workThroughList();
    void makeThumbnail(int index);
    ThumbnailPicture decodeWithOwnPicture(const QString& path);
    void deliverTile(int index, const QImage& tile, int mark);
    void deliverAllDone();
    void listChanged();
    void newFolderListings();

    ThumbnailSink& sink_;
    ThumbnailOptions options_;
    ThumbnailDecoder decoder_;
    std::unique_ptr<DecodedPicture> thumbnail_;
    std::unique_ptr<CompanionSoundIndex> sounds_; // folder listings of this fill
    QStringList paths_;
    std::vector<bool> done_;
    int lastRequest_ = -1;
    std::atomic<int> requestedIndex_{0};
    std::atomic<quint64> generation_;
    std::mutex deliveryMutex_; // a stop waits for a delivery in progress
};

} // namespace vistello
