#pragma once
// The larger preview that pops up over the overview tile under the pointer:
// after a short rest the picture is decoded into a 300-pixel box and the
// window grows from the tile's size, centred on the tile.
#include "imaging/decode/DecodedPicture.h"

#include <QBasicTimer>
#include <QWidget>

namespace vistello {

class HoverPreview : public QWidget {
    Q_OBJECT
public:
    explicit HoverPreview(QWidget* parent);

    // centre and bounds in screen coordinates; the window never leaves bounds.
    void start(const QString& path, QPoint centre, const QRect& bounds);
    void stop();
    // The side of the square shown now; 0 while hidden.
    int shownSide() const { return isVisible() ? width() : 0; }

protected:
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QBasicTimer timer_;
    int tick_ = 0;
    QString path_;
    QPoint centre_;
    QRect bounds_;
    DecodedPicture decoder_;
    QImage preview_;
};

} // namespace vistello
