#pragma once
// One visit of the red-eye mode without its widgets: the picture being
// corrected, the selection the mouse makes, the steps and the intensity.
// The view forwards mouse events in picture coordinates and draws what
// this holds; the page's buttons call the operations below.
#include "app/window/redeye/RedEyeDrag.h"
#include "app/window/redeye/RedEyeSteps.h"
#include "jpegedit/redeye/RedEyeFile.h"

#include <QJsonObject>
#include <QString>

namespace vistello {

class RedEyeSession {
public:
    // Reads the picture strictly; false (error says why) when it cannot be corrected.
    bool open(const QString& path, bool autoRotate, QString* error);
    void close();
    bool active() const { return !picture_.empty(); }

    const QString& path() const { return path_; }
    int orientation() const { return orientation_; }
    const RedEyePicture& picture() const { return picture_; }
    const RedEyeSteps& steps() const { return steps_; }
    // The committed selection, or the rectangle being dragged.
    const RedEyeRect& selection() const { return dragging() ? drag_ : selection_; }
    bool dragging() const { return mode_ != DragMode::None; }
    DragMode dragMode() const { return mode_; }
    std::int64_t lastChanged() const { return lastChanged_; }
    int intensity() const { return intensity_; }
    void setIntensity(int intensity);

    // Mouse in picture coordinates. move is true when the rectangle changed.
    void press(QPoint point);
    bool move(QPoint point);
    void release();

    // "Remove red eyes": true when a pixel changed.
    bool removeRedEyes();
    // "Reset": the selection (or everything) back to the file; the selection ends.
    void reset();

    // {active, step, intensity, selection [l,t,r,b], changed, differs}
    QJsonObject stateJson() const;

private:
    QString path_;
    int orientation_ = 1;
    RedEyePicture picture_;
    RedEyeSteps steps_;
    RedEyeRect selection_;
    RedEyeRect drag_;
    DragMode mode_ = DragMode::None;
    QPoint anchor_;
    QPoint last_;
    int intensity_ = 40;
    std::int64_t lastChanged_ = 0;
};

} // namespace vistello
