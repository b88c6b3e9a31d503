#pragma once
// The picture page: its tab row, the preview strip above the viewer on the
// "Picture" tab, and the picture-data, binary and histogram views on the
// others. In picture-only mode the viewer fills the page. It learns about
// changed, removed and added pictures as a ViewListener.
#include "organize/filecommands/ViewListener.h"
#include "ui/common/WindowPage.h"

#include <QJsonObject>

namespace vistello {

class BinaryViewPage;
class HistogramPage;
class MediaPlayerView;
class PictureList;
class PictureLists;
class PictureView;
class PictureDataPage;
class PreviewStrip;
class TabRow;

class PicturePage : public WindowPage, public ViewListener {
    Q_OBJECT
public:
    PicturePage(PictureLists& lists, QWidget* parent);

    void showStyle(uint64_t style) override;
    void setPictureOnly(bool on) override;
    void currentPictureChanged() override;
    bool pageKey(int key) override;
    bool pageCommand(int id) override;
    // Enter on the picture tab: the strip's focused picture.
    void showFocused();
    void setBackgrounds(QColor normal, QColor pictureOnly);

    // ViewListener: the viewer and the shown tab read their file anew.
    void refreshAll() override;
    void pictureChanged(const QString& path) override;
    void pictureRemoved(const QString& path, int index) override;
    void pictureAdded(const QString& path, int index) override;
    void pictureReplaced(const QString& path, int index) override;

    PictureView* view() const { return view_; }
    // Shown over the viewer while the current picture is a video or MP3 file.
    MediaPlayerView* mediaPlayer() const { return player_; }
    TabRow* tabRow() const { return tabs_; }
    PreviewStrip* previewStrip() const { return preview_; }
    BinaryViewPage* binaryView() const { return binaryView_; }
    HistogramPage* histogramView() const { return histogramView_; }
    // The tabs' rectangles in window coordinates, by style.
    QJsonObject tabsJson() const;
    PictureDataPage* pictureData() const { return pictureData_; }

Q_SIGNALS:
    void styleChosen(uint64_t style);
    void viewDoubleClicked();
    void showPicture(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void arrange();
    void arrangeParts();
    // The player over the viewer for a media file, else closed.
    void placePlayer();
    bool stripShown() const;
    // The view of the current tab other than "Picture", and what it shows.
    QWidget* tabView() const;
    void hideTabViews();
    void showTabPicture(bool force);
    // The viewer on the list's current picture.
    void showCurrent();

    PictureLists& lists_;
    TabRow* tabs_;
    PreviewStrip* preview_;
    BinaryViewPage* binaryView_;
    HistogramPage* histogramView_;
    PictureDataPage* pictureData_;
    PictureView* view_;
    MediaPlayerView* player_;
    uint64_t style_ = 1;
    bool pictureOnly_ = false;
    QColor background_ = Qt::white;
    QColor pictureOnlyBackground_ = Qt::black;
};

} // namespace vistello
