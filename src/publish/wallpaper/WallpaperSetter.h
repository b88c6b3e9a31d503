#pragma once
// What the wallpaper page calls. Setting and resetting run on a worker of
// their own (decoding and the desktop's programs take a while); one job at
// a time in the whole program, so two writers never race. The result comes
// back as a value through finished(), on the setter's thread.
//
//   WallpaperSupport support = wallpaperSupport();   // Set/Reset enabled when canSet
//   setter.start(picture, screen->size() * screen->devicePixelRatio());
//   connect(&setter, &WallpaperSetter::finished, page, [](const WallpaperResult& r) { ... });
#include "publish/wallpaper/WallpaperTask.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

namespace vistello {

struct WallpaperSupport {
    bool canSet = false;
    QString message; // why not, when !canSet
};

// From this process's environment (XDG_CURRENT_DESKTOP).
WallpaperSupport wallpaperSupport();

// Starts the desktop's background settings; false with message when there
// are none or they did not start.
bool openDisplaySettings(QString* message);

class WallpaperJobThread;

class WallpaperSetter : public QObject {
    Q_OBJECT
public:
    // context: the desktop and the bitmap folder (this process's by default).
    explicit WallpaperSetter(QObject* parent = nullptr);
    explicit WallpaperSetter(const WallpaperContext& context, QObject* parent = nullptr);
    // Waits for a running job (the desktop's programs time out).
    ~WallpaperSetter() override;

    // false (nothing started, no signal) while a wallpaper job runs anywhere
    // in the program.
    bool start(const QString& picture, QSize screen);
    bool startReset();
    bool busy() const { return job_ != nullptr; }

    // The "Orientation" setting: turn pictures by their EXIF orientation.
    void setAutoRotate(bool on) { context_.autoRotate = on; }

Q_SIGNALS:
    void finished(const vistello::WallpaperResult& result);

private:
    bool launch(std::function<WallpaperResult()> work);
    void done(const WallpaperResult& result);

    WallpaperContext context_;
    std::unique_ptr<WallpaperJobThread> job_;
};

} // namespace vistello
