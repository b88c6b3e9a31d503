#pragma once
// The red-eye mode's picture view: the edited picture at 1:1 behind two
// flat scroll bars, the selection's frame and ellipse drawn inverted over
// it. The mouse goes to the session in picture coordinates; painting only
// draws (through one off-screen image, the display colour transform applied
// to the drawn copy, never to the picture).
#include <QWidget>

class QTimer;

namespace vistello {

class FlatScrollBar;
class RedEyeSession;

class RedEyeView : public QWidget {
    Q_OBJECT
public:
    RedEyeView(RedEyeSession& session, QWidget* parent);

    // A new picture or a new size: the scroll ranges follow.
    void pictureChanged();
    QPoint scrollPosition() const;

Q_SIGNALS:
    // The mouse finished a selection.
    void selectionFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSize clientSize() const;
    QPoint toPicture(QPoint client) const;
    void updateScrollBars();
    void autoScrollTick();

    RedEyeSession& session_;
    FlatScrollBar* horizontal_;
    FlatScrollBar* vertical_;
    QTimer* autoScroll_;
    QPoint pointer_;
};

} // namespace vistello
