#pragma once
// A plain stand-in for the main window: the list caption, the pictures as a
// list, and the selected picture fitted into the rest of the window.
#include "app/startup/FirstPictureList.h"
#include "app/startup/WindowStart.h"

#include <QImage>
#include <QWidget>

class QLabel;
class QListWidget;

namespace vistello {

class PlaceholderMainWindow : public QWidget {
    Q_OBJECT
public:
    // background: the colour as red + 256 * green + 65536 * blue.
    PlaceholderMainWindow(const FirstPictureList& list, int background, QWidget* parent = nullptr);

    // Focus and the first-run balloon; call once the window is shown. This
    // window has no viewer, so a requested automatic display does not start.
    void applyWindowStart(const WindowStart& start);

    // The picture shown, upright and unscaled; null when none could be read.
    const QImage& currentPicture() const { return picture_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPicture(int row);
    void fitPicture();

    QListWidget* list_ = nullptr;
    QLabel* view_ = nullptr;
    QImage picture_;
};

} // namespace vistello
