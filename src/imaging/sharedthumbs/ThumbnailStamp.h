#pragma once
// What a shared thumbnail says about the picture it was made from (its PNG
// text chunks), and whether that still matches the picture.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace vistello {

struct ThumbnailStamp {
    QString uri;   // "Thumb::URI"
    QString mtime; // "Thumb::MTime": seconds since the epoch
    QString size;  // "Thumb::Size": bytes; optional
};

// The picture as stat sees it now.
struct PictureStamp {
    QByteArray uri;
    qint64 mtimeSeconds = 0;
    qint64 size = 0;
};

// Fresh when the URI is the picture's and MTime (and Size, when given) are
// what the file has now; anything else is stale and made anew.
bool stampMatches(const ThumbnailStamp& stamp, const PictureStamp& picture);

} // namespace vistello
