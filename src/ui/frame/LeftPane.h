#pragma once
// The left pane: the folder part (header and tree) above the task pane,
// with the splitter between them and the one at its right edge.
#include "app/window/frame/Splitters.h"

#include <QWidget>

namespace vistello {

class PlaceholderPage;

class LeftPane : public QWidget {
    Q_OBJECT
public:
    explicit LeftPane(QWidget* parent);

    // Where the pane stands in the main window; set on every layout.
    void setGeometryInfo(const PaneGeometry& pane);
    void setShowSplitLines(bool on);
    // Puts the window's folder tree (with its drive line) in place of the placeholder.
    void setFolderTree(QWidget* tree);
    // Puts the task pane in place of its placeholder.
    void setTaskPane(QWidget* tasks);
    bool dragging() const { return drag_ != Drag::None; }
    void cancelDrag();

Q_SIGNALS:
    void paneWidthDropped(int lineX); // client x of the drag line
    void splitDropped(int split);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Drag { None, Width, Split };

    void arrange();
    QPoint clientPoint(QMouseEvent* event) const;
    void placeLine(int at);

    PaneGeometry pane_;
    Drag drag_ = Drag::None;
    int lineAt_ = 0;
    bool showSplitLines_ = false;
    QWidget* line_;            // the drag line, a child of the main window
    PlaceholderPage* header_;
    QWidget* tree_;
    QWidget* tasks_;
};

} // namespace vistello
