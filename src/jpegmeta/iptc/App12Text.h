#pragma once
// The free text of an APP12 segment: printable lines split at carriage
// returns, key=value lines under "[section]" lines indented by two spaces.
#include "jpegmeta/iptc/MetaTextRow.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vistello {

QStringList app12Lines(const QByteArray& payload);
// A line split at its first "=". A "timedate" of whole seconds becomes the
// UTC date in the C library's fixed form.
MetaTextRow app12Row(const QString& line);
MetaTextRows app12Rows(const QByteArray& payload);

} // namespace vistello
