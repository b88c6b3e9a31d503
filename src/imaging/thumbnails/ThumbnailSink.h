#pragma once
// Where the thumbnail loader hands its tiles. Called on the loader's thread:
// an implementation passes the values on to its own thread (a queued signal)
// and drops tiles whose generation is not the one it shows.
#include <QImage>
#include <QtGlobal>

namespace vistello {

class ThumbnailSink {
public:
    virtual ~ThumbnailSink() = default;
    // tile: of the loader's box (80 x 80 on the overview page), or a null
    // image when the picture could not be read (the broken-picture image
    // belongs there). mark: 0 none, 1 embedded sound, 2 companion sound file.
    virtual void thumbnailReady(quint64 generation, int index, const QImage& tile, int mark) = 0;
    // Every entry has its tile; the loader waits for more work.
    virtual void allThumbnailsDone(quint64 generation) = 0;
};

} // namespace vistello
