#pragma once
// The picture page: its tab row, the preview strip above the viewer on the
// "Picture" tab, and the picture-data, binary and histogram views on the
// others. In picture-only mode the viewer fills the page.
#include "ui/WindowPage.h"

#include <functional>

namespace vistello {

class PictureList;
class PictureView;
class PlaceholderPage;
class TabRow;

class PicturePage : public WindowPage {
    Q_OBJECT
public:
    PicturePage(std::function<const PictureList&()> currentList, QWidget* parent);

    void showStyle(uint64_t style) override;
    void setPictureOnly(bool on) override;
    void currentPictureChanged() override;
    void setBackgrounds(QColor normal, QColor pictureOnly);

    PictureView* view() const { return view_; }
    TabRow* tabRow() const { return tabs_; }

Q_SIGNALS:
    void styleChosen(uint64_t style);
    void viewDoubleClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrange();

    std::function<const PictureList&()> currentList_;
    TabRow* tabs_;
    PlaceholderPage* preview_;
    PlaceholderPage* dataView_;
    PictureView* view_;
    uint64_t style_ = 1;
    bool pictureOnly_ = false;
    QColor background_ = Qt::white;
    QColor pictureOnlyBackground_ = Qt::black;
};

} // namespace vistello
