#pragma once
// The overview page: every picture of the current list as a tile with its
// name, in a grid that wraps with the width. Items appear at once with
// placeholders; the thumbnail loader fills in the tiles from the first
// visible item on.
#include "organize/filecommands/ViewListener.h"
#include "ui/common/WindowPage.h"

#include <QBasicTimer>
#include <QJsonObject>
#include <functional>
#include <memory>

class QListView;
class QToolButton;

namespace vistello {

class HoverPreview;
struct ListEdit;
class OverviewModel;
class OverviewSink;
class PictureLists;
class SharedThumbnails;
class ThumbnailLoader;

class OverviewPage : public WindowPage, public ViewListener {
    Q_OBJECT
public:
    OverviewPage(PictureLists& lists, bool userSelect, QWidget* parent);
    ~OverviewPage() override;

    // Refills when the list is another one; else the current item follows.
    void currentPictureChanged() override;
    void setPictureOnly(bool on) override;
    // The header's text: the current list's caption.
    void setCaptionSource(std::function<QString()> caption) { captionSource_ = std::move(caption); }
    // Whether a picture may be dragged out now (the folder view is shown or
    // comes when asked).
    void setDragAllowed(std::function<bool()> allowed) { dragAllowed_ = std::move(allowed); }

    int itemCount() const;
    int tilesDone() const;
    // The current picture's item lies wholly in the view.
    bool currentItemVisible() const;
    QListView* view() const { return view_; }
    // For the state dump: tilesReceived, firstArrivals (items in the order
    // their tiles came), visible [first, last] and tileKeys (the first
    // items' tile identities: a tile kept is the same image).
    QJsonObject loaderStateJson() const;
    // "PicturesWithAudio": loudspeakers on tiles of pictures with sound.
    void setMediaMarks(bool on);
    // Tiles from the desktop's shared thumbnails, which the page also fills
    // when write ("WriteSharedThumbnails"). Off until called.
    void useSharedThumbnails(bool write);
    // The caption in "TextColor".
    void setTextColour(const QColor& colour);

    // A changed picture's tile is made again; a list edit takes only its own item.
    void refreshAll() override;
    void pictureChanged(const QString& path) override;
    void pictureRemoved(const QString& path, int index) override;
    void pictureAdded(const QString& path, int index) override;
    void pictureReplaced(const QString& path, int index) override;

    // "Set marker" and "Reset marker": ticks or clears the selected items.
    void markSelected(bool on);

Q_SIGNALS:
    void pictureChosen(int index); // the focused item became current
    void pictureOpened(int index); // double click
    void pictureClickedAlone(int index); // a click that left this item the only one selected
    void back();                         // the header's button in picture-only mode
    void pointerMoved(int x);            // over the list (x in the list)
    void selectionTaken();               // the user's selection is the list's selection now
    void pictureHovered(const QString& path); // the pointer came over this picture's item

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // A loader still decoding then is left to end on its own.
    static constexpr int kStopTimeoutMs = 2000;

    void fill(const QStringList& paths);
    // One picture removed or added: the loader is told while it is paused.
    bool applyEdit(const QStringList& paths);
    void applyEdit(const ListEdit& edit, const QString& path);
    void showCurrent();
    void takeSelection();
    void showListSelection();
    void followFirstVisible();
    // Tiles dropped for the budget that are near the view again are made anew.
    void remakeDroppedNear(int first, int last);
    void tileReady(quint64 generation, int index, const QImage& tile, int mark);
    void showContextMenu(QPoint at);
    void hoverAt(QPoint at);
    void stopHover();
    void dragCurrent();

    PictureLists& lists_;
    OverviewModel* model_;
    OverviewSink* sink_;
    QListView* view_;
    std::unique_ptr<ThumbnailLoader> loader_;
    std::shared_ptr<const SharedThumbnails> shared_;
    qreal tileScale_ = 1; // device pixels per pixel of the tiles of this fill
    HoverPreview* hoverPreview_;
    QToolButton* backButton_;
    int lastHover_ = -1;
    QPoint pressPoint_;
    bool pressed_ = false;
    QBasicTimer dragScroll_;
    std::function<QString()> captionSource_;
    std::function<bool()> dragAllowed_;
    QString caption_;
    bool syncing_ = false;
    bool echo_ = false; // the window answers the user's own choice
    bool userSelect_;
    bool mediaMarks_ = true;
};

} // namespace vistello
