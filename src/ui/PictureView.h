#pragma once
// The viewer until the real one arrives: the current picture decoded for
// the view's size, centred and never enlarged. A double click toggles
// picture-only mode.
#include "imaging/decode/DecodedPicture.h"

#include <QWidget>

namespace vistello {

class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent);

    void showPicture(const QString& path); // empty: nothing to show
    void setBackground(QColor colour);
    const QImage& shownImage() const { return shown_; }

Q_SIGNALS:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void decode();

    DecodedPicture picture_;
    QString path_;
    QImage shown_;
    QString failure_;
    QColor background_ = Qt::white;
};

} // namespace vistello
