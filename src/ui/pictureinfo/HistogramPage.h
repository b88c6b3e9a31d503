#pragma once
// The "Histogram" tab: the red, green and blue curves over the grey
// luminance area and the average grey value, of a 256 x 256 decode read
// on a loader thread. A left click moves every histogram view's channel
// mode on.
#include "organize/filecommands/ViewListener.h"
#include "imaging/histogram/Histogram.h"

#include <QJsonObject>
#include <QPolygon>
#include <QWidget>
#include <memory>
#include <vector>

namespace vistello {

class HistogramLoader;

class HistogramPage : public QWidget, public ViewListener {
    Q_OBJECT
public:
    // The shown file is read again when it changed.
    void refreshAll() override;
    void pictureChanged(const QString& path) override;
    explicit HistogramPage(QWidget* parent);
    ~HistogramPage() override;

    // Reads path unless it is shown already (force: always).
    void showFile(const QString& path, bool force);
    bool loading() const { return loading_; }
    QJsonObject stateJson() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void delivered(uint64_t generation, const Histogram& histogram);
    void retireLoader();
    void rebuild();

    QString path_;
    Histogram histogram_;
    bool loading_ = false;
    uint64_t generation_ = 0; // of the latest request: older results are dropped
    std::unique_ptr<HistogramLoader> loader_;
    // Stopped loaders still finishing a read; dropped once they end.
    std::vector<std::unique_ptr<HistogramLoader>> retired_;
    // What paintEvent draws.
    QPolygon luminance_;
    QPolygon curves_[3];
    QString text_;
};

} // namespace vistello
