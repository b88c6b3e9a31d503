#include "ui/viewer/AutoShowController.h"

#include "core/settings/SettingsStore.h"

namespace vistello {

AutoShowController::AutoShowController(SettingsStore& store, AutoShowHost host, QObject* parent)
    : QObject(parent), store_(store), host_(std::move(host))
{
    timer_.setObjectName(QStringLiteral("autoShowTimer"));
    connect(&timer_, &QTimer::timeout, this, &AutoShowController::tick);
}

void AutoShowController::start()
{
    if (running() || !autoShowCanStart(host_.listCount()))
        return;
    const bool fullScreen = host_.appFullScreen();
    session_.start(host_.listCount(), fullScreen);
    host_.enter();
    timer_.start(autoShowIntervalMs(store_.get(setting::AutoShowDelay)));
}

void AutoShowController::stop()
{
    if (!running())
        return;
    timer_.stop();
    host_.leave(session_.stop());
}

void AutoShowController::restartDelay()
{
    if (running())
        timer_.start();
}

void AutoShowController::tick()
{
    switch (autoShowTick(host_.listCount(), host_.busy())) {
    case AutoShowTick::Stop: stop(); break;
    case AutoShowTick::Next: host_.next(); break;
    case AutoShowTick::Wait: break;
    }
}

} // namespace vistello
