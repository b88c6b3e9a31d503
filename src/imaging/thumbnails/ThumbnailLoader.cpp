#include "imaging/thumbnails/ThumbnailLoader.h"

#include "core/filetypes/CompanionSound.h"
#include "imaging/decode/DecodedPicture.h"
#include "imaging/thumbnails/ThumbnailTile.h"
#include "platform/ThreadPriority.h"

#include <algorithm>

namespace vistello {

namespace {

std::atomic<quint64> nextGeneration{1};

quint64 takeGeneration()
{
    return nextGeneration.fetch_add(1);
}

} // namespace

ThumbnailLoader::ThumbnailLoader(ThumbnailSink& sink, QStringList paths,
                                 const ThumbnailOptions& options)
    : sink_(sink),
      options_(options),
      thumbnail_(std::make_unique<DecodedPicture>()),
      paths_(std::move(paths)),
      done_(size_t(paths_.size()), false),
      generation_(takeGeneration())
{
    thumbnail_->setBox(options_.box.width(), options_.box.height());
    thumbnail_->setCacheCapacity(kCacheCapacity);
    thumbnail_->setReduceLimit(1, 1);
    thumbnail_->setShowMediaMarks(options_.showMediaMarks);
    newFolderListings();
    thumbnail_->setAutoRotate(options_.autoRotate);
    thumbnail_->setStopFlag(&stopFlag());
    thumbnail_->setOwningWorker(this);
}

ThumbnailLoader::~ThumbnailLoader()
{
    stop(-1);
}

void ThumbnailLoader::setDecoder(ThumbnailDecoder decoder)
{
    decoder_ = std::move(decoder);
}

bool ThumbnailLoader::stop(int timeoutMs)
{
    {
        // Once the flag is set under this lock, deliverTile() sends nothing.
        std::lock_guard lock(deliveryMutex_);
        requestStop();
    }
    return PausableWorker::stop(timeoutMs);
}

void ThumbnailLoader::listChanged()
{
    lastRequest_ = -1;
    generation_.store(takeGeneration());
}

// Each folder is listed once per fill for the sound marks; a new fill or a
// new picture may come with new files.
void ThumbnailLoader::newFolderListings()
{
    sounds_ = std::make_unique<CompanionSoundIndex>();
    thumbnail_->setCompanionSoundIndex(sounds_.get());
}

void ThumbnailLoader::setPaths(QStringList paths)
{
    newFolderListings();
    paths_ = std::move(paths);
    done_.assign(size_t(paths_.size()), false);
    listChanged();
}

void ThumbnailLoader::invalidate(int index)
{
    if (index < 0 || size_t(index) >= done_.size())
        return;
    done_[size_t(index)] = false;
    lastRequest_ = -1; // the tile keeps its place: the generation stays
}

void ThumbnailLoader::removeAt(int index)
{
    if (index < 0 || index >= paths_.size())
        return;
    paths_.removeAt(index);
    done_.erase(done_.begin() + index);
    listChanged();
}

void ThumbnailLoader::insertAt(int index, const QString& path)
{
    index = std::clamp(index, 0, int(paths_.size()));
    newFolderListings();
    paths_.insert(index, path);
    done_.insert(done_.begin() + index, false);
    listChanged();
}

void ThumbnailLoader::setRequestedIndex(int index)
{
    if (requestedIndex_.exchange(index) != index)
        wake();
}

void ThumbnailLoader::run()
{
    if (options_.belowNormalPriority)
        lowerCurrentThreadPriority();
    while (!stopRequested()) {
        checkpoint();
        if (stopRequested())
            return;
        if (firstUndone() < 0) {
            deliverAllDone();
            waitForWake();
            continue;
        }
        workThroughList();
    }
}

int ThumbnailLoader::firstUndone() const
{
    const auto it = std::find(done_.begin(), done_.end(), false);
    return it == done_.end() ? -1 : int(it - done_.begin());
}

// From the requested index to the end, then from the start: the tiles the
// user sees come first.
void ThumbnailLoader::workThroughList()
{
    int position = 0;
    for (;;) {
        checkpoint();
        if (stopRequested())
            return;
        if (position >= paths_.size() || size_t(paths_.size()) != done_.size())
            return;
        if (done_[size_t(position)]) {
            ++position;
            continue;
        }
        const int requested = requestedIndex_.load();
        if (requested != lastRequest_) {
            lastRequest_ = requested;
            position = std::max(0, requested);
            continue;
        }
        makeThumbnail(position);
        if (stopRequested())
            return; // the decode may have been cut short: not done
        done_[size_t(position)] = true;
        ++position;
    }
}

void ThumbnailLoader::makeThumbnail(int index)
{
    const QString& path = paths_.at(index);
    const ThumbnailPicture picture = decoder_ ? decoder_(path) : decodeWithOwnPicture(path);
    if (picture.image.isNull()) {
        deliverTile(index, QImage(), 0);
        return;
    }
    const QImage tile = composeThumbnailTile(picture.image, picture.mediaMark,
                                             options_.showMediaMarks, options_.background,
                                             options_.box);
    deliverTile(index, tile, options_.showMediaMarks ? picture.mediaMark : 0);
}

ThumbnailPicture ThumbnailLoader::decodeWithOwnPicture(const QString& path)
{
    if (!thumbnail_->loadThumbnail(path))
        return {};
    return {thumbnail_->image(), thumbnail_->mediaMark()};
}

void ThumbnailLoader::deliverTile(int index, const QImage& tile, int mark)
{
    std::lock_guard lock(deliveryMutex_);
    if (!stopRequested())
        sink_.thumbnailReady(generation_.load(), index, tile, mark);
}

void ThumbnailLoader::deliverAllDone()
{
    std::lock_guard lock(deliveryMutex_);
    if (!stopRequested())
        sink_.allThumbnailsDone(generation_.load());
}

} // namespace vistello
