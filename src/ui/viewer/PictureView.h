#pragma once
// The picture viewer: the current picture fitted (never enlarged) and
// centred, the information box, the text line and the row of editing
// buttons. What a frame shows is worked out (app/window/viewer) when the
// picture, the size or the mode changes; painting only draws it.
#include "app/window/viewer/ColourMeasure.h"
#include "app/window/viewer/CropTracker.h"
#include "app/window/viewer/PanoramaTiles.h"
#include "app/window/viewer/PictureFacts.h"
#include "app/window/viewer/RowBackdrop.h"
#include "app/window/viewer/TransitionSchedule.h"
#include "app/window/viewer/ViewerButtons.h"
#include "app/window/viewer/ViewerFrame.h"
#include "app/window/viewer/ViewerMouse.h"
#include "app/window/viewer/ZoomView.h"
#include "imaging/cache/TileCache.h"
#include "imaging/decode/DecodedPicture.h"
#include "imaging/decode/PictureRegion.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QPixmap>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace vistello {

struct ViewerSettings {
    int infoBoxState = 2;              // "ExifInfoInPicture"
    bool textInPictureOnly = false;    // "PicturetextInFullscreen"
    bool buttonsInPictureOnly = false; // "ControlButtonsInFullscreen"
    QColor textColour = Qt::black;     // "TextColor"
    bool transitions = true;           // "Transitions"
    int transitionDelay = 1;           // "TransitionsDelay"
    bool panoramaAutoScroll = true;    // "PanoramaAutoScroll"
    int panoramaSpeed = 2;             // "PanoramaAutoScrollSpeed"
    bool antiAlias = true;             // "AntiAliasResizing": area average for the last 1.5
    bool autoRotate = true;            // "Orientation"
    int cacheSize = 4;                 // "PictureCacheSize": renderings kept
};

class FlatScrollBar;
class ReadAheadWorker;

class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent);
    ~PictureView() override;

    // index and count place the picture in its list; an empty path: nothing to show.
    void showPicture(const QString& path, int index, int count);
    void setBackground(QColor colour);
    void setSettings(const ViewerSettings& settings);
    void setModes(bool pictureOnly, bool autoShow);
    // The program comment of a path, for the text line.
    void setCommentSource(std::function<QString(const QString&)> source) { commentOf_ = std::move(source); }
    // The path of the list's picture at an index (empty outside it): the
    // pictures around the shown one are decoded ahead.
    void setNeighbourSource(std::function<QString(int)> source) { pathAt_ = std::move(source); }
    // Ctrl with a lossless button, Ctrl+I and Ctrl+B: the shown rendering only.
    void editInMemory(int command);
    void cycleInfoBox();
    // Zoom mode: 100-200 % with the navigator inset.
    void toggleZoom();
    bool zoomOn() const { return zoomOn_; }
    void zoomIn();
    void zoomOut();
    void moveZoomed(QPoint delta);
    // A key or a click shows the rest of a running transition at once.
    void finishTransition();
    // Forgets the file's rendering and facts (it was rewritten).
    void reload();

    // Crop mode: the picture as stored with the crop rectangle over it.
    void enterCrop(const CropFrame& frame, const CropRatio& ratio, const CropSelection& selection);
    void leaveCrop();
    bool cropOn() const { return cropOn_; }
    // The page's selection and lock.
    void setCrop(const CropSelection& selection, const CropRatio& ratio);
    const CropTracker& cropTracker() const { return crop_; }

    const QImage& shownImage() const { return shown_; }
    QString path() const { return path_; }
    bool pictureOk() const { return !shown_.isNull() || panoramaSource_.has_value(); }
    bool panoramaScrolling() const { return panoramaTimer_.isActive(); }
    bool transitionRunning() const { return !previousFrame_.isNull(); }
    // A key that may show another picture: the time until that picture is
    // painted is kept for the state.
    void startKeyClock() { keyClock_.start(); }
    QJsonObject stateJson() const;
    // Panoramas whose rendering holds more than this many views of pixels
    // are drawn from tiles of the part shown.
    void setPanoramaTileBound(int screens) { panoramaScreens_ = screens; }
    const TileCache& panoramaTileCache() const { return panoramaTiles_; }

Q_SIGNALS:
    void doubleClicked();
    // A button was pressed; withCtrl asks for the in-memory variant.
    void commandChosen(int command, bool withCtrl);
    void infoBoxStateChanged(int state);
    // The wheel in picture-only mode: +1 the next picture, -1 the previous.
    void stepRequested(int delta);
    // The wheel otherwise: the preview strip's focus moves, +1 to the next picture.
    void stripFocusRequested(int delta);
    // The panorama moved, by hand or by itself: the auto show waits anew.
    void scrolled();
    // Shift+drag over the picture: the band's average colours.
    void coloursMeasured(const vistello::ColourAverages& averages);
    // A drag step changed the crop selection.
    void cropSelectionChanged(const vistello::CropSelection& selection);
    // A double click in crop mode: the crop is to be executed.
    void cropApplyRequested();
    // The viewer's own Cancel in crop mode (picture-only mode).
    void cropCancelRequested();
    // Another picture was shown in crop mode: crop mode was left without a
    // crop, to start again on that picture.
    void cropPictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void decode();
    void relayout();
    QRect infoBoxRect() const;
    const ViewerButton* buttonUnder(QPoint at) const;
    int buttonAt(QPoint at) const;
    void paintRow(class QPainter& painter);
    void drawButton(class QPainter& painter, const ViewerButton& button) const;
    // Zoom mode on another picture (or the same one rewritten).
    void startZoomedPicture();
    void loadZoom();
    // The tiles of what is shown (and a margin), decoded where missing.
    void fillZoomTiles();
    // The scale (over 8) the tiles are decoded at, the zoomed picture in
    // their pixels, and as laid out in logical ones.
    int zoomTileScale() const;
    QSize zoomedDevice() const;
    QSize zoomedLogical() const;
    void paintZoom(QPainter& painter);
    QString zoomLabel() const;
    void startTransition(const QPixmap& previous);
    void transitionFrame();
    void panoramaTick();
    void placePanoramaBar();
    void panoramaScrolledByHand();
    // A long JPEG panorama is set up for tiles instead of the whole decode.
    bool startTiledPanorama(QSize box);
    // Set for a JPEG panorama that a view of box device pixels draws in tiles.
    std::optional<RegionSource> tiledPanoramaSource(const QString& path, QSize box) const;
    void fillPanoramaTiles();
    void paintPanoramaTiles(QPainter& painter) const;
    // The panorama's rendering in device pixels, tiled or whole.
    QSize panoramaRendering() const;
    // Pressing on the picture, then dragging its file out or measuring a band.
    void beginPictureDrag(QPoint at);
    bool movePictureDrag(const QMouseEvent& event);
    void endPictureDrag(const QMouseEvent& event);
    void paintMeasureBand(QPainter& painter) const;
    void readFacts();
    // Read-ahead: finished renderings into the cache before the shown
    // picture's own decode, and the next aim after it.
    void takeReadAhead();
    void aimReadAhead();
    QJsonObject readAheadJson() const;
    bool cropPress(QPoint at);
    bool cropMove(const QMouseEvent& event);
    void paintCrop(QPainter& painter) const;
    struct CropLabelLayout cropLabel() const;
    QJsonObject cropJson() const;

    DecodedPicture picture_;
    QString path_;
    int index_ = 0;
    int count_ = 0;
    PictureFacts facts_;
    QString programComment_;
    std::function<QString(const QString&)> commentOf_;
    QImage shown_;
    QImage drawn_; // shown_ at the drawn rectangle's size
    QString failure_;
    QColor background_ = Qt::white;
    ViewerSettings settings_;
    bool pictureOnly_ = false;
    bool autoShow_ = false;

    // The frame, from relayout().
    QRect drawnRect_;
    InfoBox infoBox_;
    QSize infoBoxSize_;
    TextLine textLine_;
    int bandHeight_ = 0;
    std::vector<ViewerButton> buttons_;
    RowBackdrop backdrop_;
    QTimer pointerTimer_;
    QImage strip_;
    QImage hotStrip_;
    QImage disabledStrip_;
    int hotCommand_ = 0;     // the button under the mouse
    int pressedCommand_ = 0; // the button the left button went down on

    // Zoom mode: a JPEG in tiles of what is shown at the level's scale,
    // other pictures decoded whole at that scale; and the inset.
    bool zoomOn_ = false;
    ZoomView zoom_;
    std::optional<RegionSource> zoomSource_; // set: the picture is tiled
    TileCache zoomTiles_{96 << 20};
    std::vector<std::pair<QRect, QImage>> zoomShown_; // tiles to draw, zoomed device rectangles
    std::unique_ptr<DecodedPicture> zoomPicture_; // only while zoom mode is on
    QSize zoomFullSize_; // the upright picture at 100 %
    QImage zoomed_; // the whole zoomed picture when it is not tiled
    Navigator navigator_;
    QImage navigatorImage_;
    bool zoomDragging_ = false;
    bool dragInNavigator_ = false;
    QPoint dragStart_;
    QPoint dragStartOffset_;

    // A transition: the previous frame, covered step by step by the new one.
    QRandomGenerator random_;
    QPixmap previousFrame_;
    QRegion revealed_;
    TransitionSchedule transition_;
    QElapsedTimer transitionClock_;
    QTimer transitionTimer_;
    int transitionsPlayed_ = 0;

    // Panorama mode: picture-only and one side at least twice the other.
    bool panorama_ = false;
    int panoramaPosition_ = 0; // scrolled along the long side
    QTimer panoramaTimer_;
    FlatScrollBar* panoramaBar_;
    bool panoramaDragging_ = false;
    int dragStartPosition_ = 0;
    // A panorama too long to hold whole: tiles of the part shown at the
    // library's scale just above the fitted one.
    std::optional<RegionSource> panoramaSource_; // set: the panorama is tiled
    QSize panoramaRendering_;                    // the whole rendering it stands for
    int panoramaScreens_ = PanoramaTiles::kScreens;
    bool panoramaWhole_ = false; // an in-memory edit needs the whole rendering
    TileCache panoramaTiles_{32 << 20};
    std::vector<std::pair<QRect, QImage>> panoramaShown_; // rectangles in the rendering

    // Crop mode: the picture without its EXIF turn, and the rectangle.
    bool cropOn_ = false;
    bool cropDragging_ = false;
    CropTracker crop_;
    QImage cropImage_;

    // Pictures decoded ahead on a worker (VISTELLO_READ_AHEAD=0: none).
    std::unique_ptr<ReadAheadWorker> readAhead_;
    std::function<QString(int)> pathAt_;
    int shownBefore_ = -1; // the index shown before the present one
    bool shownFromCache_ = false; // the last decode found its rendering ready

    // From a key to the painted picture it brought.
    QElapsedTimer keyClock_;
    bool newPictureUnpainted_ = false;
    double lastKeyToPaintMs_ = -1;
    // From entering zoom mode to its first painted screen.
    QElapsedTimer zoomClock_;
    double lastZoomToPaintMs_ = -1;

    // A press on the picture: pending, then a file drag or a measuring band.
    ViewerDrag pictureDrag_ = ViewerDrag::None;
    QPoint pressedAt_;
    QRect measureBand_;
};

} // namespace vistello
