#pragma once
// The viewer's behaviour in the window: its settings and signals, its
// buttons and keys, the turns of the shown picture, deleting and restoring
// it, the colour measurement and the pictures' sounds.
#include "app/window/viewer/SoundRule.h"

#include <QObject>
#include <functional>

class QKeyEvent;

namespace vistello {

class AutoShowController;
class CropModeController;
class CropPage;
class FileCommands;
class PicturePage;
class PictureLists;
class PictureView;
class Prompts;
class SettingsStore;
class SoundPlayer;
struct ColourAverages;

struct ViewerHost {
    std::function<PictureView*()> shownView; // null unless the picture tab is shown
    std::function<bool()> pictureOnly;
    std::function<void(int command)> runCommand;
    std::function<void()> currentPictureChanged;
    std::function<void()> updateButtons;
    std::function<CropPage*()> openCropPage; // the task pane's "Crop rectangle" page
    std::function<void()> closeCropPage;
};

class ViewerController : public QObject {
    Q_OBJECT
public:
    ViewerController(SettingsStore& store, Prompts& prompts, PictureLists& lists, FileCommands& files,
                     AutoShowController& autoShow, ViewerHost host, QObject* parent);

    // The new picture page: the viewer's settings and its signals.
    void attach(PicturePage& page);
    // The view takes the settings anew (it reads its picture again).
    void applySettings(PictureView& view);
    // A button or menu entry of the viewer; withCtrl asks for the in-memory variant.
    void command(int id, bool withCtrl);
    // A key no accelerator took; pageKey lets the shown page (its strip) have it first.
    bool key(const QKeyEvent& key, const std::function<bool(int)>& pageKey);
    // The shown picture's sound memo or embedded sound ("PicturesWithAudio").
    void playSoundOfShownPicture();
    void playSoundOf(const QString& path);
    bool soundPlaying() const;
    void stopSound();

private:
    void transformShownPicture(int id);
    void deleteShownPicture();
    void restoreShownPicture();
    void coloursMeasured(const ColourAverages& averages);

    SettingsStore& store_;
    Prompts& prompts_;
    PictureLists& lists_;
    FileCommands& files_;
    AutoShowController& autoShow_;
    ViewerHost host_;
    SoundRule soundRule_;
    SoundPlayer* soundPlayer_ = nullptr; // made for the first sound
    CropModeController* crop_;
};

} // namespace vistello
