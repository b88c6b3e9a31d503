#pragma once
// The picture page: its tab row, the preview strip above the viewer on the
// "Picture" tab, and the picture-data, binary and histogram views on the
// others. In picture-only mode the viewer fills the page.
#include "ui/WindowPage.h"

namespace vistello {

class PictureList;
class PictureLists;
class PictureView;
class PictureDataPage;
class PlaceholderPage;
class PreviewStrip;
class TabRow;

class PicturePage : public WindowPage {
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

    PictureView* view() const { return view_; }
    TabRow* tabRow() const { return tabs_; }
    PreviewStrip* previewStrip() const { return preview_; }
    PictureDataPage* pictureData() const { return pictureData_; }

Q_SIGNALS:
    void styleChosen(uint64_t style);
    void viewDoubleClicked();
    void showPicture(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrange();
    bool stripShown() const;
    void showPictureData(bool force);

    PictureLists& lists_;
    TabRow* tabs_;
    PreviewStrip* preview_;
    PlaceholderPage* dataView_;
    PictureDataPage* pictureData_;
    PictureView* view_;
    uint64_t style_ = 1;
    bool pictureOnly_ = false;
    QColor background_ = Qt::white;
    QColor pictureOnlyBackground_ = Qt::black;
};

} // namespace vistello
