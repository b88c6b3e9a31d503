#pragma once
// How the desktop's shared thumbnail cache names a picture: the MD5 of its
// file URI, in lower-case hex, with ".png". The URI must be spelt exactly as
// the desktop's other programs spell it, or they never find our thumbnails.
#include <QByteArray>
#include <QString>

namespace vistello {

// "file://" and the absolute path's UTF-8 bytes, every byte outside the
// path-safe set written as "%XX" (upper-case hex), as GLib does.
QByteArray fileUri(const QString& absolutePath);

// "<md5 of uri>.png"
QString sharedThumbnailName(const QByteArray& uri);

} // namespace vistello
