#pragma once
// Crop mode in the window: the crop button enters it (a writable picture
// that was drawn) with the starting selection, opens the "Crop rectangle"
// page and keeps it and the viewer on one selection (another picture starts
// anew); Cancel or the button again leave it; Crop or a double click execute the
// crop first (copy or backup, the lossless crop, "CropRect", the result
// made current).
#include "jpegedit/crop/CropGeometry.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace vistello {

class CropPage;
class FileCommands;
class PictureView;
class Prompts;
class SettingsStore;

struct CropModeHost {
    std::function<CropPage*()> openPage; // the page in the task pane, or null
    std::function<void()> closePage;
    std::function<void()> currentPictureChanged;
    std::function<void()> updateButtons;
};

class CropModeController : public QObject {
    Q_OBJECT
public:
    CropModeController(SettingsStore& store, Prompts& prompts, FileCommands& files, CropModeHost host,
                       QObject* parent);

    // The crop button (and the page's Crop and Cancel).
    void toggle(PictureView* view);

private:
    void enter(PictureView* view);
    void leave(bool apply);
    void execute(const QString& path, const CropSelection& selection);
    void applyFromViewer();
    void cancelFromViewer();
    void viewerSelection(const CropSelection& selection);
    void pageEdited(const CropSelection& selection, const CropRatio& ratio);
    void pictureChanged();

    SettingsStore& store_;
    Prompts& prompts_;
    FileCommands& files_;
    CropModeHost host_;
    QPointer<PictureView> view_;
    QPointer<CropPage> page_;
    CropRatio ratio_; // the viewer's lock
};

} // namespace vistello
