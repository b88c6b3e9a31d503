#include "publish/wallpaper/WallpaperSetter.h"

#include "core/jobs/WorkerThread.h"
#include "platform/wallpaper/DisplaySettings.h"

#include <QMetaObject>
#include <atomic>

namespace vistello {

namespace {

// Set while any wallpaper job of the process runs.
std::atomic<bool> gJobRunning{false};

} // namespace

class WallpaperJobThread : public WorkerThread {
public:
    WallpaperJobThread(std::function<WallpaperResult()> work, std::function<void(const WallpaperResult&)> report)
        : work_(std::move(work)), report_(std::move(report))
    {
    }
    // The thread uses the members: it ends before they go.
    ~WallpaperJobThread() override { stop(-1); }

protected:
    void run() override
    {
        report_(work_());
    }

private:
    std::function<WallpaperResult()> work_;
    std::function<void(const WallpaperResult&)> report_;
};

WallpaperSupport wallpaperSupport()
{
    const QString current = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    const WallpaperDesktop desktop = wallpaperDesktopFrom(current);
    return {desktop != WallpaperDesktop::Unsupported, unsupportedDesktopMessage(desktop, current)};
}

bool openDisplaySettings(QString* message)
{
    return openDesktopBackgroundSettings(currentWallpaperDesktop(), message);
}

WallpaperSetter::WallpaperSetter(QObject* parent) : WallpaperSetter(currentWallpaperContext(), parent) {}

WallpaperSetter::WallpaperSetter(const WallpaperContext& context, QObject* parent) : QObject(parent), context_(context)
{
    qRegisterMetaType<WallpaperResult>();
}

WallpaperSetter::~WallpaperSetter()
{
    if (job_) {
        job_.reset(); // waits for the thread
        gJobRunning = false;
    }
}

bool WallpaperSetter::start(const QString& picture, QSize screen)
{
    const WallpaperContext context = context_;
    return launch([picture, screen, context] { return setWallpaper(picture, screen, context); });
}

bool WallpaperSetter::startReset()
{
    const WallpaperContext context = context_;
    return launch([context] { return resetWallpaper(context); });
}

bool WallpaperSetter::launch(std::function<WallpaperResult()> work)
{
    bool idle = false;
    if (job_ || !gJobRunning.compare_exchange_strong(idle, true))
        return false;
    // The report is queued to this object: dropped when it is gone by then.
    job_ = std::make_unique<WallpaperJobThread>(std::move(work), [this](const WallpaperResult& result) {
        QMetaObject::invokeMethod(this, [this, result] { done(result); }, Qt::QueuedConnection);
    });
    job_->start();
    return true;
}

// The next job may start only once this one's result is delivered, so
// busy() and the process-wide flag never disagree.
void WallpaperSetter::done(const WallpaperResult& result)
{
    job_.reset();
    gJobRunning = false;
    Q_EMIT finished(result);
}

} // namespace vistello
