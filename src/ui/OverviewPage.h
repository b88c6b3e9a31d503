#pragma once
// The overview page: every picture of the current list as a tile with its
// name, in a grid that wraps with the width. Items appear at once with
// placeholders; the thumbnail loader fills in the tiles from the first
// visible item on.
#include "ui/WindowPage.h"

#include <memory>

class QListView;

namespace vistello {

class OverviewModel;
class OverviewSink;
class PictureLists;
class ThumbnailLoader;

class OverviewPage : public WindowPage {
    Q_OBJECT
public:
    OverviewPage(PictureLists& lists, bool userSelect, QWidget* parent);
    ~OverviewPage() override;

    // Refills when the list is another one; else the current item follows.
    void currentPictureChanged() override;

    int itemCount() const;
    int tilesDone() const;
    // The current picture's item lies wholly in the view.
    bool currentItemVisible() const;
    QListView* view() const { return view_; }
    // "Set marker" and "Reset marker": ticks or clears the selected items.
    void markSelected(bool on);

Q_SIGNALS:
    void pictureChosen(int index); // the focused item became current
    void pictureOpened(int index); // double click

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fill(const QStringList& paths);
    // One picture removed or added: the loader is told while it is paused.
    bool applyEdit(const QStringList& paths);
    void showCurrent();
    void followFirstVisible();
    void tileReady(quint64 generation, int index, const QImage& tile, int mark);
    void showContextMenu(QPoint at);

    PictureLists& lists_;
    OverviewModel* model_;
    OverviewSink* sink_;
    QListView* view_;
    std::unique_ptr<ThumbnailLoader> loader_;
    bool syncing_ = false;
    bool userSelect_;
};

} // namespace vistello
