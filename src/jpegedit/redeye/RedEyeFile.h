#pragma once
// Reading a picture for red-eye removal and saving the corrected one.
// Reading is strict: the main image only, any decoder warning fails, and the
// decoded size must be the size the header gives, so a damaged picture is
// never shown by its embedded thumbnail nor saved with a grey fill.
// Saving encodes every trial in memory at the quality that keeps about the
// old file size, then puts the chosen file in place once, whole.
#include "jpegedit/redeye/RedEyePicture.h"
#include "jpegedit/jpegwrite/JpegQuality.h"

#include <QString>
#include <optional>

namespace vistello {

class PictureFileTypes;

struct RedEyeSource {
    PixelBuffer pixels; // upright, in the file's colours
    int orientation = 1; // the turn made when reading; saving undoes it
};

// Nothing, with the reason in error, when the picture cannot be corrected.
std::optional<RedEyeSource> loadForRedEye(const QString& path, bool autoRotate, QString* error);

struct RedEyeSaveOptions {
    bool makeCopy = true;
    bool copyOriginal = true;
    QString formatOptions; // the picture format's option string
};

enum class RedEyeSaveStatus {
    Written,
    Unchanged,    // nothing corrected: nothing written
    NotWritable,  // no format writes this file type
    BackupFailed, // the ".original" backup could not be made: nothing written
    WriteFailed,  // encoding or putting the file in place failed (message says why)
};

struct RedEyeSaveResult {
    RedEyeSaveStatus status = RedEyeSaveStatus::WriteFailed;
    QString targetPath;
    qint64 bytes = 0;
    JpegQualities qualities;
    QString message;
};

RedEyeSaveResult saveRedEye(const PictureFileTypes& types, const QString& picture, const RedEyePicture& corrected,
                            int orientation, const RedEyeSaveOptions& options);

} // namespace vistello
