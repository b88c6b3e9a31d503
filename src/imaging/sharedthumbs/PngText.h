#pragma once
// Plain tEXt chunks for a PNG. Qt compresses long texts into zTXt, which
// the desktop's thumbnail readers (GLib's among them) do not look into: a
// long Thumb::URI would make every one of our thumbnails invalid to them.
#include <QByteArray>

#include <utility>
#include <vector>

namespace vistello {

using PngTexts = std::vector<std::pair<QByteArray, QByteArray>>; // key, Latin-1 value

// The PNG with one tEXt chunk per text right after its header chunk; empty
// when png does not start with a PNG signature and header.
QByteArray withTextChunks(const QByteArray& png, const PngTexts& texts);

} // namespace vistello
