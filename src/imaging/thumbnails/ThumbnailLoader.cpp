#include "imaging/thumbnails/ThumbnailLoader.h"

#include "imaging/decode/DecodedPicture.h"
#include "imaging/thumbnails/ThumbnailTile.h"
#include "imaging/thumbnails/TileLanes.h"
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
      paths_(std::move(paths)),
      done_(size_t(paths_.size()), false),
      generation_(takeGeneration())
{
    ThumbnailMakerSetup setup;
    setup.box = options_.box;
    setup.background = options_.background;
    setup.showMediaMarks = options_.showMediaMarks;
    setup.sounds = &sounds_;
    setup.autoRotate = options_.autoRotate;
    setup.shared = options_.shared.get();
    setup.stopFlag = &stopFlag();
    setup.owner = this;
    const int lanes = options_.lanes > 0 ? options_.lanes : TileLanes::laneCountForCores();
    for (int i = 0; i < lanes; ++i)
        makers_.push_back(std::make_unique<ThumbnailMaker>(setup));
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

// A new fill or a new picture may come with new files beside the pictures.
void ThumbnailLoader::newFolderListings()
{
    sounds_.forgetListings();
}

void ThumbnailLoader::fileChanged(const QString& path)
{
    for (const auto& maker : makers_)
        maker->picture().fileChanged(path);
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

void ThumbnailLoader::remake(quint64 generation, const std::vector<int>& indexes)
{
    {
        std::lock_guard lock(remakesMutex_);
        for (const int index : indexes)
            remakes_.emplace_back(generation, index);
        remakesWaiting_.store(true);
    }
    wake();
}

// Loader thread, between rounds.
void ThumbnailLoader::takeRemakes()
{
    if (!remakesWaiting_.load())
        return;
    std::vector<std::pair<quint64, int>> taken;
    {
        std::lock_guard lock(remakesMutex_);
        taken.swap(remakes_);
        remakesWaiting_.store(false);
    }
    const quint64 current = generation_.load();
    for (const auto& [generation, index] : taken)
        if (generation == current)
            invalidate(index);
}

void ThumbnailLoader::run()
{
    if (options_.belowNormalPriority)
        lowerCurrentThreadPriority();
    TileLanes lanes(int(makers_.size()) - 1, options_.belowNormalPriority);
    while (!stopRequested()) {
        checkpoint();
        if (stopRequested())
            return;
        takeRemakes();
        if (firstUndone() < 0) {
            deliverAllDone();
            waitForWake();
            continue;
        }
        workThroughList(lanes);
    }
}

int ThumbnailLoader::firstUndone() const
{
    const auto it = std::find(done_.begin(), done_.end(), false);
    return it == done_.end() ? -1 : int(it - done_.begin());
}

// From the requested index to the end, then from the start: the tiles the
// user sees come first. Each round makes the next undone entries, one per
// lane; the checkpoint lies between rounds.
void ThumbnailLoader::workThroughList(TileLanes& lanes)
{
    int position = 0;
    for (;;) {
        checkpoint();
        if (stopRequested())
            return;
        if (position >= paths_.size() || size_t(paths_.size()) != done_.size())
            return;
        takeRemakes();
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
        const std::vector<int> round = nextRound(position, lanes.count());
        makeRound(lanes, round);
        if (stopRequested())
            return; // a decode may have been cut short: not done
        for (const int index : round)
            done_[size_t(index)] = true;
        position = round.back() + 1;
    }
}

// The undone entries from position on, at most one per lane.
std::vector<int> ThumbnailLoader::nextRound(int position, int lanes) const
{
    std::vector<int> round;
    for (int i = position; i < int(done_.size()) && int(round.size()) < lanes; ++i)
        if (!done_[size_t(i)])
            round.push_back(i);
    return round;
}

// The lanes see only their own entry's path and their own maker; the tiles
// are delivered in list order once all are made.
void ThumbnailLoader::makeRound(TileLanes& lanes, const std::vector<int>& round)
{
    std::vector<QString> paths;
    for (const int index : round)
        paths.push_back(paths_.at(index));
    std::vector<ThumbnailPicture> pictures(round.size());
    lanes.run(int(round.size()), [&](int lane) {
        const QString& path = paths[size_t(lane)];
        pictures[size_t(lane)] = decoder_ ? decoder_(path) : makers_[size_t(lane)]->make(path);
    });
    if (stopRequested())
        return;
    for (size_t i = 0; i < round.size(); ++i)
        deliver(round[i], pictures[i]);
}

void ThumbnailLoader::deliver(int index, const ThumbnailPicture& picture)
{
    ++madeFrom_[size_t(picture.image.isNull() ? ThumbnailSource::Unreadable : picture.source)];
    if (picture.image.isNull()) {
        deliverTile(index, QImage(), 0);
        return;
    }
    const QImage tile = composeThumbnailTile(picture.image, picture.mediaMark,
                                             options_.showMediaMarks, options_.background,
                                             options_.box, options_.markScale);
    deliverTile(index, tile, options_.showMediaMarks ? picture.mediaMark : 0);
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
