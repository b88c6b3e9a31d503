#pragma once
// The thumbnail loader's sink for the overview page: it is called on the
// loader's thread and passes the values on as queued signals, so the loader
// never touches a widget or the model.
#include "imaging/thumbnails/ThumbnailSink.h"

#include <QObject>

namespace vistello {

class OverviewSink : public QObject, public ThumbnailSink {
    Q_OBJECT
public:
    using QObject::QObject;

    void thumbnailReady(quint64 generation, int index, const QImage& tile, int mark) override
    {
        Q_EMIT tileReady(generation, index, tile, mark);
    }
    void allThumbnailsDone(quint64 generation) override { Q_EMIT allDone(generation); }

Q_SIGNALS:
    void tileReady(quint64 generation, int index, const QImage& tile, int mark);
    void allDone(quint64 generation);
};

} // namespace vistello
