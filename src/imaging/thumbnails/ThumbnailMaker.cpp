#include "imaging/thumbnails/ThumbnailMaker.h"

#include "imaging/decode/DecodedPicture.h"
#include "imaging/sharedthumbs/SharedThumbnails.h"
#include "imaging/thumbnails/SoundMarkIndex.h"
#include "jpegmeta/extras/EmbeddedThumbnail.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace vistello {

namespace {

// The longer side of the embedded thumbnail's JPEG (its frame header only);
// 0 when it does not read.
int longerSide(const QByteArray& jpeg)
{
    if (jpeg.isEmpty())
        return 0;
    QBuffer buffer;
    buffer.setData(jpeg);
    QImageReader reader(&buffer, "jpeg");
    const QSize size = reader.size();
    return size.isValid() ? std::max(size.width(), size.height()) : 0;
}

} // namespace

ThumbnailMaker::ThumbnailMaker(const ThumbnailMakerSetup& setup)
    : setup_(setup), picture_(std::make_unique<DecodedPicture>())
{
    picture_->setCacheCapacity(kCacheCapacity);
    picture_->setReduceLimit(1, 1);
    // Marks are looked up here, for every source alike.
    picture_->setShowMediaMarks(false);
    picture_->setAutoRotate(setup_.autoRotate);
    picture_->setStopFlag(setup_.stopFlag);
    picture_->setOwningWorker(setup_.owner);
    if (!setup_.autoRotate)
        setup_.shared = nullptr;
}

ThumbnailMaker::~ThumbnailMaker() = default;

ThumbnailPicture ThumbnailMaker::make(const QString& path)
{
    const QFileInfo info(path);
    if (setup_.shared) {
        ThumbnailPicture cached = fromSharedCache(path, info);
        if (cached.source == ThumbnailSource::Shared)
            return cached;
    }
    return decode(path, info);
}

ThumbnailPicture ThumbnailMaker::fromSharedCache(const QString& path, const QFileInfo& info)
{
    ThumbnailPicture result;
    const QImage cached = setup_.shared->find(info, sharedSizeFor(setup_.box));
    if (!cached.isNull()) {
        result.image = fitted(cached);
        result.mediaMark = setup_.showMediaMarks ? markOf(path, findEmbeddedThumbnail(path).hasAudio) : 0;
        result.source = ThumbnailSource::Shared;
    } else {
        // A failure recorded before is tried again: the formats we read
        // may have grown since (media support comes when it is found).
        result.source = ThumbnailSource::Decoded;
    }
    return result;
}

ThumbnailPicture ThumbnailMaker::decode(const QString& path, const QFileInfo& info)
{
    const EmbeddedThumbnail embedded = findEmbeddedThumbnail(path);
    const int tileSide = std::max(setup_.box.width(), setup_.box.height());
    const bool embeddedServes = longerSide(embedded.bytes) >= tileSide;
    const bool share = !embeddedServes && setup_.shared && setup_.shared->mayWrite(info);
    const SharedSize sharedSize = sharedSizeFor(setup_.box);
    // A decode for the shared cache is made at its size, the tile from that.
    const int side = share ? std::max(tileSide, int(sharedSize)) : 0;
    picture_->setBox(share ? side : setup_.box.width(), share ? side : setup_.box.height());

    // An embedded thumbnail smaller than the tile is passed over.
    const bool viaThumbnailVariant = embeddedServes || embedded.bytes.isEmpty();
    const bool loaded = viaThumbnailVariant ? picture_->loadThumbnail(path) : picture_->load(path);
    ThumbnailPicture result;
    if (!loaded) {
        const bool stopped = setup_.stopFlag && setup_.stopFlag->load();
        if (setup_.shared && !stopped && info.isFile())
            setup_.shared->recordFailure(info);
        result.source = ThumbnailSource::Unreadable;
        return result;
    }
    if (share) {
        const QImage& made = picture_->image();
        const QSize most{int(sharedSize), int(sharedSize)};
        const bool fits = made.width() <= most.width() && made.height() <= most.height();
        setup_.shared->store(info, fits ? made : made.scaled(most, Qt::KeepAspectRatio, Qt::SmoothTransformation),
                             sharedSize);
    }
    result.image = fitted(picture_->image());
    result.mediaMark = markOf(path, embedded.hasAudio);
    result.source = embeddedServes ? ThumbnailSource::Embedded : ThumbnailSource::Decoded;
    return result;
}

// The rule of the decoder's thumbnail variant: a companion sound file
// first, then sound in the header (APP2 "Audio Stream" of a JPEG).
int ThumbnailMaker::markOf(const QString& path, bool embeddedSound)
{
    if (!setup_.showMediaMarks)
        return 0;
    if (setup_.sounds && setup_.sounds->hasCompanionSound(path))
        return 2;
    return embeddedSound ? 1 : 0;
}

// Into the box without enlarging; transparent parts on the tile colour.
QImage ThumbnailMaker::fitted(const QImage& image) const
{
    QImage result = image;
    if (result.width() > setup_.box.width() || result.height() > setup_.box.height())
        result = result.scaled(setup_.box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (result.hasAlphaChannel()) {
        QImage flat(result.size(), QImage::Format_RGB888);
        flat.fill(setup_.background);
        QPainter painter(&flat);
        painter.drawImage(0, 0, result);
        painter.end();
        result = flat;
    }
    return result;
}

} // namespace vistello
