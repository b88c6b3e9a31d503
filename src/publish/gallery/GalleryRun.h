#pragma once
// The work of one gallery job, runnable on any thread: the JPEG pictures of
// the set become thumbnails ("t_"), scaled copies ("k_"), copies of the
// originals, picture pages and index pages in the target folder. Every
// output name is planned first; a plan with two outputs under one name or an
// output onto a picture of the set is refused before anything is written.
// Each picture is decoded once (strictly: a damaged picture is left out),
// two at a time, so which pictures take part is known before the first page
// is made; files are written and questions asked on the calling thread.
#include "core/jobs/JobQuestion.h"
#include "publish/gallery/GallerySettings.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

namespace vistello {

class PictureFileTypes;

struct GalleryHooks {
    const std::atomic<bool>* stop = nullptr;
    std::function<void(int steps)> started;
    std::function<void(const QString& picture)> step;
    // Asked whether to cancel after a thumbnail or picture page could not
    // be written; without one such a failure cancels.
    JobQuestion* question = nullptr;
    // The comment shown with a picture (pictureCaption unless replaced).
    std::function<QString(const QString& path)> caption;
};

struct GalleryOutcome {
    bool finished = false; // every index page was written
    QString message;       // why the job ended early; empty when finished or cancelled
    QStringList written;   // file names inside the target folder, in the order written
    QString startPagePath;
};

GalleryOutcome createGallery(const PictureFileTypes& types, const QStringList& pictures, const GallerySettings& settings,
                             const GalleryHooks& hooks);

} // namespace vistello
