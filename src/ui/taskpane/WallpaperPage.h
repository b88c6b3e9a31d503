#pragma once
// "Change wallpaper": Set (the selected picture becomes the desktop's
// background), Reset, the desktop's display settings, Cancel.
#include "ui/taskpane/CommandPage.h"

class QLabel;
class QPushButton;

namespace vistello {

class WallpaperPage : public CommandPage {
    Q_OBJECT
public:
    // message: why this desktop's wallpaper cannot be changed (empty when it can).
    WallpaperPage(int mode, const QString& unsupportedMessage, QWidget* parent);

    // Set needs exactly one picture in the list's selection.
    void setSelectionCount(int count);
    void selectionChanged(int) override {}
    // While a wallpaper is being made and set, Set and Reset wait.
    void setBusy(bool busy);

Q_SIGNALS:
    void setRequested();
    void resetRequested();
    void settingsRequested();

private:
    void updateButtons();

    QPushButton* set_;
    QPushButton* reset_;
    bool supported_;
    bool busy_ = false;
    int selected_ = 0;
};

} // namespace vistello
