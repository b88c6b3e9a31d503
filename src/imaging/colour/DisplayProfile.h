#pragma once
// The process-wide display transform: sRGB to the monitor profile the user
// chose, applied to every bitmap prepared for the screen. The transform is
// published as a shared pointer, so a thread that took it (the thumbnail
// loader) keeps it alive while the options page replaces or releases it.
#include "imaging/colour/ColourTransform.h"

#include <QString>
#include <memory>

namespace vistello {

class SettingsStore;

namespace displayprofile {
} // namespace displayprofile

// The transform in use, or null when there is none.
std::shared_ptr<const ColourTransform> currentDisplayTransform();

// Releases the current transform, then builds one for the profile at path.
// When the file can be read, "DisplayProfile" = path; otherwise it becomes
// empty (settings may be null). True when a transform exists.
bool setDisplayProfile(const QString& path, SettingsStore* settings);
void releaseDisplayProfile();

// Start-up: with "UseDisplayProfile" on, setDisplayProfile("DisplayProfile").
// With it off, "DisplayProfile" is neither read nor changed.
void applyDisplayProfileSettings(SettingsStore& settings);

} // namespace vistello
