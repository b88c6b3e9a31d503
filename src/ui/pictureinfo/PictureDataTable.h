#pragma once
// The picture-data list's view: a report with grid lines and a flat vertical
// bar; after the rows it draws the embedded thumbnail beside the IFD1 rows.
#include <QImage>
#include <QTableView>

namespace vistello {

class PictureDataTable : public QTableView {
    Q_OBJECT
public:
    explicit PictureDataTable(QWidget* parent);

    // Beside row firstRow, left pixels into the value column; a null image hides it.
    // shown: the logical size the image (of device pixels) takes.
    void setThumbnail(const QImage& image, QSize shown, int firstRow, int left);
    QSize thumbnailSize() const { return thumbnail_.isNull() ? QSize() : shown_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage thumbnail_;
    QSize shown_;
    int thumbnailRow_ = 0;
    int thumbnailLeft_ = 0;
};

} // namespace vistello
