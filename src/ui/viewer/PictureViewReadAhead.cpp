// The viewer's read-ahead: while a picture is shown, the worker decodes the
// pictures around it at the view's size, so that the next step finds its
// rendering in the cache.
#include "ui/viewer/PictureView.h"

#include "app/window/viewer/DevicePixels.h"
#include "app/window/viewer/ReadAhead.h"
#include "imaging/readahead/ReadAheadWorker.h"

namespace vistello {

void PictureView::takeReadAhead()
{
    const QString key = picture_.cacheKey(path_);
    if (readAhead_) {
        if (!picture_.cache().contains(key))
            readAhead_->yieldTo(key); // the shown picture's decode has both cores
        for (ReadAheadResult& result : readAhead_->takeFinished()) {
            if (result.fileUnchanged())
                picture_.cache().store(result.key, result.picture);
        }
    }
    shownFromCache_ = picture_.cache().contains(key);
}

QJsonObject PictureView::readAheadJson() const
{
    return {{QStringLiteral("on"), bool(readAhead_)},
            {QStringLiteral("started"), readAhead_ ? readAhead_->decodesStarted() : 0},
            {QStringLiteral("stopped"), readAhead_ ? readAhead_->decodesStopped() : 0},
            {QStringLiteral("shownFromCache"), shownFromCache_}};
}

void PictureView::aimReadAhead()
{
    if (!readAhead_)
        return;
    std::vector<ReadAheadJob> jobs;
    if (pictureOk() && pathAt_ && !cropOn_) {
        ReadAheadState state;
        state.shown = index_;
        state.shownBefore = shownBefore_;
        state.count = count_;
        state.cacheCapacity = picture_.cache().capacity();
        if (autoShow_ && count_ > 0)
            state.showNext = (index_ + 1) % count_; // the show's own step
        for (int index : readAheadOrder(state)) {
            const QString path = pathAt_(index);
            if (path.isEmpty() || path == path_)
                continue;
            const QString key = picture_.cacheKey(path);
            if (picture_.cache().contains(key))
                continue;
            if (pictureOnly_ && tiledPanoramaSource(path, toDevice(size(), devicePixelRatioF())))
                continue; // drawn from tiles when shown: a whole decode would be wasted memory
            PictureRequest request = picture_.requestFor(path);
            request.panoramaMode = pictureOnly_; // the decoder tells panoramas by their sides
            jobs.push_back({key, std::move(request)});
        }
    }
    readAhead_->aim(std::move(jobs));
}

} // namespace vistello
