#pragma once
// The picture, shrunk to the preview's height, with the planned segments
// marked on it. Everything drawn is computed in show(); painting only draws.
#include "publish/panorama/PanoramaPlan.h"

#include <QImage>
#include <QWidget>

namespace vistello {

class PanoramaPreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 100;

    explicit PanoramaPreview(QWidget* parent);
    // pictureWidth: the picture's width in its own pixels.
    void showPicture(const QImage& thumbnail, int pictureWidth);
    void showPlan(const PanoramaPlan& plan);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();

    QImage thumbnail_;
    int pictureWidth_ = 0;
    PanoramaPlan plan_;
    QRect pictureRect_;        // where the thumbnail is drawn
    std::vector<int> cuts_;    // x of every segment start but the first, and of every segment end
};

} // namespace vistello
