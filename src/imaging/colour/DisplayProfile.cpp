#include "imaging/colour/DisplayProfile.h"

#include "core/settings/SettingsStore.h"

#include <QFileInfo>
#include <mutex>
#include <utility>

namespace vistello {

namespace {

std::mutex& transformMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::shared_ptr<const ColourTransform>& transformSlot()
{
    static std::shared_ptr<const ColourTransform> slot;
    return slot;
}

void publish(std::shared_ptr<const ColourTransform> transform)
{
    std::shared_ptr<const ColourTransform> old;
    {
        const std::lock_guard lock(transformMutex());
        old = std::exchange(transformSlot(), std::move(transform));
    }
    // The old transform dies here or with its last user, outside the lock.
}

} // namespace

std::shared_ptr<const ColourTransform> currentDisplayTransform()
{
    const std::lock_guard lock(transformMutex());
    return transformSlot();
}

bool setDisplayProfile(const QString& path, SettingsStore* settings)
{
    releaseDisplayProfile();
    std::shared_ptr<const ColourTransform> transform = ColourTransform::toDisplayProfile(path);
    const bool made = transform != nullptr;
    // A file that exists stays chosen even when the library refuses it.
    const QFileInfo file(path);
    const bool readable = !path.isEmpty() && file.isFile() && file.isReadable();
    if (settings)
        settings->set(setting::DisplayProfile, readable ? path : QString());
    publish(std::move(transform));
    return made;
}

void releaseDisplayProfile()
{
    publish(nullptr);
}

void applyDisplayProfileSettings(SettingsStore& settings)
{
    if (settings.get(setting::UseDisplayProfile))
        setDisplayProfile(settings.get(setting::DisplayProfile), &settings);
}

} // namespace vistello
