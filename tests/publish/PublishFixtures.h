#pragma once
// Pictures the publishing tests write in code, and the independent readers
// that check what the gallery and the index command wrote.
#include "support/CliRunner.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

namespace vistello::test::publish {

// A w x h JPEG of one colour, with an optional comment (COM segment).
QByteArray plainJpeg(int width, int height, QColor colour = Qt::darkCyan, const QString& comment = {});
// A w x h JPEG of fine pseudo-random detail over a gradient, which
// compresses poorly (for file-size limits).
QByteArray detailedJpeg(int width, int height);
// A 640 x 480 JPEG with a JFXX thumbnail whose main image is cut short.
QByteArray damagedJpeg();

// A settings file holding one value.
QByteArray settingsFile(const QString& key, const QString& type, const QString& value);

CliRun runPublishing(const QString& command, const QStringList& args);

// Files of a folder, sorted, without "." and "..".
QStringList filesIn(const QString& folder);

// Every href and src of the pages in folder that is not an absolute address
// and does not resolve to a file there (python3's html.parser, after
// percent-decoding); empty when all resolve. Nothing when python3 is missing.
std::optional<QStringList> unresolvedLinks(const QString& folder);

// The text content of a page's elements as html.parser reads it.
QString pageText(const QString& page);

} // namespace vistello::test::publish
