#pragma once
// Assembles an ICC profile from its APP2 chunks ("ICC_PROFILE", sequence
// number from 1, chunk count). Chunks may come in any order; a missing,
// repeated or inconsistent chunk means no profile.
#include "jpegmeta/segments/SavedMarker.h"

#include <QByteArray>
#include <optional>
#include <span>

namespace vistello {

std::optional<QByteArray> assembleIccProfile(std::span<const SavedMarkerView> markers);

} // namespace vistello
