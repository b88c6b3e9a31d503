#pragma once
// The picture check: each picture decoded whole and strictly (the main
// image only, never the embedded thumbnail instead; a warning of the
// decoder, such as data cut short, counts as broken). Broken pictures go
// into the error list "Errorlist.txt" in the personal folder, one line
// each: the path and, when the decoder said why, ' , "' message '"'.
#include <QString>
#include <QStringList>
#include <atomic>
#include <optional>

namespace vistello {

// Nothing for a sound picture; the decoder's message (possibly empty) for a
// broken one.
std::optional<QString> checkPicture(const QString& path, const std::atomic<bool>* stop = nullptr);

// One line of the error list, ending in CR LF.
QString errorListLine(const QString& path, const QString& message);
QString errorListPath(const QString& personalFolder);
// Written whole through a temporary file; false when it could not be.
bool writeErrorList(const QString& path, const QString& lines);

// What the user is told after the check: that nothing is broken, or the
// question whether to open the error list.
QString pictureCheckCompletionText(int brokenCount);

} // namespace vistello
