#include "imaging/decode/DecodedPicture.h"

#include "core/jobs/PausableWorker.h"
#include "imaging/colour/DisplayProfile.h"
#include "imaging/decode/PictureLoader.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <functional>
#include <mutex>
#include <vector>

namespace vistello {

namespace {

constexpr int kFailureText = 32885;

// Every live DecodedPicture, so that a changed file reaches all caches.
struct Registry {
    std::mutex mutex;
    std::vector<DecodedPicture*> objects;
    int nextId = 1;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

template <typename Action>
void forEachPicture(Action action)
{
    Registry& r = registry();
    const std::lock_guard lock(r.mutex);
    for (DecodedPicture* picture : r.objects)
        action(*picture);
}

} // namespace

DecodedPicture::DecodedPicture()
{
    Registry& r = registry();
    const std::lock_guard lock(r.mutex);
    id_ = r.nextId++;
    r.objects.push_back(this);
}

DecodedPicture::~DecodedPicture()
{
    Registry& r = registry();
    const std::lock_guard lock(r.mutex);
    r.objects.erase(std::remove(r.objects.begin(), r.objects.end(), this), r.objects.end());
}

bool DecodedPicture::load(const QString& path)
{
    return loadVariant(path, false);
}

bool DecodedPicture::loadThumbnail(const QString& path)
{
    return loadVariant(path, true);
}

bool DecodedPicture::loadVariant(const QString& path, bool thumbnail)
{
    valid_ = false;
    path_ = path;
    image_ = QImage();
    mediaMark_ = 0;
    const QString key = cacheKey(path);
    const CachedPicture* hit = targetWidth_ >= 0 && targetHeight_ >= 0 ? cache_.lookup(key) : nullptr;
    std::optional<CachedPicture> made;
    if (!hit) {
        const PictureRequest request = requestFor(path, thumbnail);
        made = loadPicture(request);
        if (!made)
            return false;
        cache_.store(key, *made);
        hit = &*made;
    }
    image_ = hit->image;
    fileWidth_ = hit->fileWidth;
    fileHeight_ = hit->fileHeight;
    mcuWidth_ = hit->mcuWidth;
    mcuHeight_ = hit->mcuHeight;
    orientation_ = hit->orientation;
    mediaMark_ = hit->mediaMark;
    valid_ = true;
    return true;
}

PictureRequest DecodedPicture::requestFor(const QString& path, bool thumbnail) const
{
    PictureRequest request;
    request.path = path;
    request.boxWidth = targetWidth_;
    request.boxHeight = targetHeight_;
    request.scaleNum = scaleNum_;
    request.scaleDenom = scaleDenom_;
    request.reduceNum = reduceNum_;
    request.reduceDenom = reduceDenom_;
    request.panoramaMode = panoramaMode_;
    request.useColourProfiles = useColourProfiles_;
    request.allowEnlarge = allowEnlarge_;
    request.autoRotate = autoRotate_;
    request.thumbnail = thumbnail;
    request.showMediaMarks = showMediaMarks_;
    request.soundIndex = soundIndex_;
    request.stopFlag = stopFlag_;
    request.displayTransform = currentDisplayTransform();
    return request;
}

QString DecodedPicture::cacheKey(const QString& path) const
{
    return PictureCache::keyFor(path, targetWidth_, targetHeight_, scaleNum_, scaleDenom_);
}

QString DecodedPicture::failureText() const
{
    QString text = strings::text(kFailureText);
    const qsizetype at = text.indexOf(QLatin1String("%s"));
    if (at >= 0)
        text.replace(at, 2, path_);
    return text;
}

void DecodedPicture::fileChanged(const QString& path)
{
    cache_.dropPath(path);
}

namespace {

// Holds every worker that loads a registered picture at its checkpoint
// while the caches change, so that no cache is changed under a running
// decode. The workers are paused outside the registry's lock.
void changeEveryCache(const std::function<void(DecodedPicture&)>& change)
{
    // A stopped worker's caches are never read again, and a worker stuck in
    // a decode would never reach its checkpoint: such pictures are left out.
    const auto stopped = [](const DecodedPicture& picture) {
        const PausableWorker* worker = picture.owningWorker();
        return worker && worker->stopRequested();
    };
    std::vector<PausableWorker*> workers;
    forEachPicture([&](DecodedPicture& picture) {
        if (PausableWorker* worker = picture.owningWorker(); worker && !stopped(picture)
            && std::find(workers.begin(), workers.end(), worker) == workers.end())
            workers.push_back(worker);
    });
    for (PausableWorker* worker : workers)
        worker->pause();
    forEachPicture([&](DecodedPicture& picture) {
        if (!stopped(picture))
            change(picture);
    });
    for (PausableWorker* worker : workers)
        worker->resume();
}

} // namespace

void dropPathEverywhere(const QString& path)
{
    changeEveryCache([&](DecodedPicture& picture) { picture.fileChanged(path); });
}

void clearEverywhere()
{
    changeEveryCache([](DecodedPicture& picture) { picture.cache().clear(); });
}

void renameEverywhere(const QString& oldPath, const QString& newPath)
{
    changeEveryCache([&](DecodedPicture& picture) { picture.cache().renamePath(oldPath, newPath); });
}

void renameFolderEverywhere(const QString& oldFolder, const QString& newFolder)
{
    changeEveryCache([&](DecodedPicture& picture) { picture.cache().renameFolder(oldFolder, newFolder); });
}

} // namespace vistello
