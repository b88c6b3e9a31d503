#pragma once
// The auto show: its timer, when it waits and how it enters and leaves the
// picture-only, full-screen frame. The rules are AutoShow's; the window
// does the frame changes through the host's calls.
#include "app/window/viewer/AutoShow.h"

#include <QObject>
#include <QTimer>
#include <functional>

namespace vistello {

class SettingsStore;

struct AutoShowHost {
    std::function<int()> listCount;
    std::function<bool()> appFullScreen;
    std::function<void()> enter;                     // the picture page, picture-only, full screen
    std::function<void(bool leaveFullScreen)> leave; // the window back as it was
    std::function<void()> next;                      // the next picture, after the last the first
    std::function<AutoShowBusy()> busy;              // a sound, a medium or a panorama still going
};

class AutoShowController : public QObject {
    Q_OBJECT
public:
    AutoShowController(SettingsStore& store, AutoShowHost host, QObject* parent);

    bool running() const { return session_.running(); }
    void start();
    void stop();
    // Any key, scroll or panorama step: the delay starts again.
    void restartDelay();

private:
    void tick();

    SettingsStore& store_;
    AutoShowHost host_;
    AutoShowSession session_;
    QTimer timer_;
};

} // namespace vistello
