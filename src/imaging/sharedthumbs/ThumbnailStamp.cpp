#include "imaging/sharedthumbs/ThumbnailStamp.h"

#include <cmath>

namespace vistello {

namespace {

// Some writers give the time with a fraction; the whole seconds count.
bool sameSeconds(const QString& text, qint64 seconds)
{
    bool ok = false;
    const qint64 whole = text.toLongLong(&ok);
    if (ok)
        return whole == seconds;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) && qint64(std::floor(value)) == seconds;
}

} // namespace

bool stampMatches(const ThumbnailStamp& stamp, const PictureStamp& picture)
{
    if (stamp.uri.toUtf8() != picture.uri || !sameSeconds(stamp.mtime.trimmed(), picture.mtimeSeconds))
        return false;
    if (stamp.size.isEmpty())
        return true;
    bool ok = false;
    const qint64 size = stamp.size.trimmed().toLongLong(&ok);
    return ok && size == picture.size;
}

} // namespace vistello
