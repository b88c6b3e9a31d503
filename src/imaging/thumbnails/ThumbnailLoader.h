#pragma once
// The overview page's background thread: makes an 80 x 80 tile for every
// picture of its list, starting at the first visible item and following it
// when the user scrolls, and hands the tiles to its sink.
//
// The list it reads is its own copy. The owner changes it (and the done
// marks) only between pause() and resume(); setRequestedIndex() may be
// called at any time.
#include "core/jobs/PausableWorker.h"
#include "imaging/thumbnails/SoundMarkIndex.h"
#include "imaging/thumbnails/ThumbnailMaker.h"
#include "imaging/thumbnails/ThumbnailSink.h"

#include <QImage>
#include <QSize>
#include <QStringList>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace vistello {

class DecodedPicture;
class SharedThumbnails;
class TileLanes;

struct ThumbnailOptions {
    QSize box{80, 80};            // the overview page's tiles, in device pixels
    int markScale = 1;            // device pixels per pixel of the media marks
    QRgb background = 0xffffffff; // the tile colour around the thumbnail
    bool showMediaMarks = true;   // "PicturesWithAudio"
    bool autoRotate = true;       // "Orientation"
    bool belowNormalPriority = true; // keeps the user interface responsive
    int lanes = 0;                // threads making tiles; 0: by the cores
    // The desktop's shared thumbnails to read and fill; none: decode only.
    std::shared_ptr<const SharedThumbnails> shared;
};

using ThumbnailDecoder = std::function<ThumbnailPicture(const QString& path)>;

class ThumbnailLoader : public PausableWorker {
public:
    // Generation numbers are process-wide, so tiles of any earlier loader or
    // of this one before a change of its list never match the current one.
    ThumbnailLoader(ThumbnailSink& sink, QStringList paths, const ThumbnailOptions& options = {});
    ~ThumbnailLoader() override; // stops and waits for the thread

    // Another source of thumbnails than the loader's own makers; before
    // start(). Called on several threads at once when there are lanes.
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
    // Every lane's DecodedPicture forgets the file; only while paused.
    void fileChanged(const QString& path);
    int laneCount() const { return int(makers_.size()); }

    // Any time: the first visible item; the loader continues from there.
    void setRequestedIndex(int index);
    // Any time, without waiting for a pause: these entries of the list of
    // generation are made again (tiles dropped to save memory that came
    // near the view). Ignored when the list has changed since.
    void remake(quint64 generation, const std::vector<int>& indexes);
    int requestedIndex() const { return requestedIndex_.load(); }
    quint64 generation() const { return generation_.load(); }
    // Tiles made so far from each source (any thread).
    int madeFrom(ThumbnailSource source) const { return madeFrom_[size_t(source)].load(); }

protected:
    void run() override;

private:
    int firstUndone() const;
    void workThroughList(TileLanes& lanes);
    std::vector<int> nextRound(int position, int lanes) const;
    void makeRound(TileLanes& lanes, const std::vector<int>& round);
    void deliver(int index, const ThumbnailPicture& picture);
    void deliverTile(int index, const QImage& tile, int mark);
    void deliverAllDone();
    void listChanged();
    void newFolderListings();
    void takeRemakes();

    ThumbnailSink& sink_;
    ThumbnailOptions options_;
    ThumbnailDecoder decoder_;
    SoundMarkIndex sounds_;                               // folder listings of this fill
    std::vector<std::unique_ptr<ThumbnailMaker>> makers_; // one per lane
    std::array<std::atomic<int>, kThumbnailSourceCount> madeFrom_{};
    QStringList paths_;
    std::vector<bool> done_;
    int lastRequest_ = -1;
    std::atomic<int> requestedIndex_{0};
    std::atomic<quint64> generation_;
    std::mutex deliveryMutex_; // a stop waits for a delivery in progress
    std::mutex remakesMutex_;
    std::vector<std::pair<quint64, int>> remakes_; // generation, index; guarded by remakesMutex_
    std::atomic<bool> remakesWaiting_{false};
};

} // namespace vistello
