#pragma once
// The "Binary" tab: the shown picture's file as address, digit and
// character columns, JPEG markers red on grey. Only the visible lines are
// read; lines, positions and marks are worked out when the file, the size,
// the options or the top line change, and painting only draws them.
#include "organize/filecommands/ViewListener.h"
#include "jpegmeta/binaryview/BinaryFile.h"
#include "jpegmeta/binaryview/BinaryLayout.h"
#include "jpegmeta/binaryview/BinaryScroll.h"
#include "jpegmeta/binaryview/BinaryViewOptions.h"

#include <QFont>
#include <QJsonObject>
#include <QWidget>
#include <vector>

class QMenu;

namespace vistello {

class FlatScrollBar;
class SettingsStore;

class BinaryViewPage : public QWidget, public ViewListener {
    Q_OBJECT
public:
    // The shown file is read again when it changed.
    void refreshAll() override;
    void pictureChanged(const QString& path) override;
    explicit BinaryViewPage(QWidget* parent);

    // Reads the options; later changes are written back at once.
    void setSettings(SettingsStore* settings);
    // Opens path unless it is shown already (force: always).
    void showFile(const QString& path, bool force);
    // Up, Down, Page Up, Page Down, Home, End; false for other keys.
    bool handleKey(int key);

    const BinaryViewOptions& options() const { return options_; }
    uint64_t top() const { return top_; }
    const BinaryLayout& layout() const { return layout_; }
    QJsonObject stateJson() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void optionsChanged();
    void setFontSize(int setting);
    void relayout();
    void scrollTo(uint64_t top);
    void barAction(int action);
    void readLines();
    // The rectangle of byte i's digits on a visible line.
    QRect byteRect(int line, int i) const;

    SettingsStore* settings_ = nullptr;
    BinaryViewOptions options_;
    QFont font_;
    int ascent_ = 0;
    bool wholeRuns_ = false; // the font's digit advance is the cell width: digit runs drawn at once
    QString path_;
    BinaryFile file_;
    BinaryLayout layout_;
    BinaryScroll scroll_{0, 1, 1};
    uint64_t top_ = 0;
    BinaryPage page_;
    std::vector<QString> lines_; // one character per cell, as binaryLineText places them
    FlatScrollBar* bar_;
    QMenu* menu_;
};

} // namespace vistello
