#pragma once
// The strip of thumbnails above the viewer. The slots, the focus and the
// hit tests are PreviewStripModel's; this widget renders the thumbnails
// when the focus, the list or its size changes and only draws them.
#include "organize/filecommands/ViewListener.h"
#include "app/window/strip/PreviewStripModel.h"
#include "imaging/decode/DecodedPicture.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace vistello {

class CompanionSoundIndex;
class FlatScrollBar;
class PictureLists;

class PreviewStrip : public QWidget, public ViewListener {
    Q_OBJECT
public:
    PreviewStrip(PictureLists& lists, QWidget* parent);
    ~PreviewStrip() override;

    // The list or its current picture changed: the focus follows it.
    void listChanged();
    void setUserSelect(bool on);
    // "PreviewTooltip": the information text of the picture under the mouse.
    void setToolTips(bool on) { toolTips_ = on; }
    // "PicturesWithAudio": loudspeakers on pictures with sound.
    void setSoundMarks(bool on);
    // "PreviewCacheSize": thumbnails kept decoded (1 to 10000).
    void setCacheSize(int size);
    // Whether a thumbnail may be dragged out now (the folder view is shown
    // or comes when asked).
    void setDragAllowed(std::function<bool()> allowed) { dragAllowed_ = std::move(allowed); }
    // The keys of the picture page: arrows, pages and Home; false for others.
    bool handleKey(int key);
    // Shows the focused picture when it is not the current one.
    void showFocused();

    // Names and counter in "TextColor".
    void setTextColour(const QColor& colour);

    // A changed picture is read again; a list edit moves the focus with it.
    void refreshAll() override;
    void pictureChanged(const QString& path) override;
    void pictureRemoved(const QString& path, int index) override;
    void pictureAdded(const QString& path, int index) override;
    void pictureReplaced(const QString& path, int index) override;

    int preferredHeight() const;
    const PreviewStripModel& model() const { return model_; }

Q_SIGNALS:
    // The picture at this index of the current list is to be shown.
    void showPicture(int index);
    // The right button over a slot: the menu of the picture's extras.
    void extrasMenuRequested(const QString& path, QPoint globalPos);
    // The pointer moved over the strip (x in the strip).
    void pointerMoved(int x);
    // The pointer came over this picture's slot.
    void pictureHovered(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Slot {
        QString path;
        QImage thumbnail; // null when the picture could not be read
        QImage soundMark; // null for none
        QStringList nameLines;
        bool marked = false;
    };
    void render();
    void scrollAction(int action);
    void startDrag();

    PictureLists& lists_;
    PreviewStripModel model_;
    DecodedPicture thumbnails_;
    std::unique_ptr<CompanionSoundIndex> sounds_; // folder listings of the list shown
    QString listedFirst_;                         // the list they were made for
    int listedCount_ = -1;
    std::vector<Slot> slots_;
    bool userSelect_ = false;
    bool toolTips_ = true;
    int hovered_ = -1; // the picture whose tip is shown
    int pressedSlot_ = -1;
    QPoint pressPoint_;
    std::function<bool()> dragAllowed_;
    FlatScrollBar* scrollBar_;
};

} // namespace vistello
