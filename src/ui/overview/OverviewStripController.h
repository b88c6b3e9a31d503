#pragma once
// The window's two picture lists, the preview strip and the overview: their
// settings, and what their menus, clicks and pointer moves ask of the window.
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>

class QWidget;

namespace vistello {

class OverviewPage;
class PictureLists;
class PreviewStrip;
class Prompts;
class SettingsStore;
struct MainWindowState;

// What the window does for the lists.
struct ListViewHooks {
    std::function<void()> currentPictureChanged;
    std::function<void(int)> showPicture;
    std::function<void(int)> openPicture; // the picture page with this picture
    std::function<void()> back;           // the overview's back button
    std::function<void(const QString&)> playSoundOf;
    std::function<void(bool)> setSelectionViewVisible;
    std::function<QString()> caption;
    std::function<bool()> dragAllowed;
    std::function<void()> selectionChanged;              // the overview's selection, by the user
    std::function<void(const QString&)> pictureHovered; // the pointer over a picture of either list
};

class OverviewStripController : public QObject {
    Q_OBJECT
public:
    OverviewStripController(QWidget& window, SettingsStore& store, PictureLists& lists, Prompts& prompts,
                            const MainWindowState& state, ListViewHooks hooks);

    void setUpStrip(PreviewStrip& strip);
    void setUpOverview(OverviewPage& overview);

    // The preview strip's menu over a picture; a saved thumbnail becomes current.
    void showPictureExtrasMenu(const QString& path, QPoint globalPos);
    // The sound rule for a picture shown by a click in the overview.
    void pictureSoundFor(int index);
    // "AutoSelectionView": the folder view follows the pointer near a list's left side.
    void pointerInList(int x);

private:
    QWidget& window_;
    SettingsStore& store_;
    PictureLists& lists_;
    Prompts& prompts_;
    const MainWindowState& state_;
    ListViewHooks hooks_;
};

} // namespace vistello
