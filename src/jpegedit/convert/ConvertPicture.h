#pragma once
// Converting one picture into another format ("Convert picture format"):
// the target sits beside the source, named from the file name with the text
// after its last dot replaced by the target extension. The source is decoded
// strictly and upright and written by the target format's handler (JPEG at
// quality 90,90 with every component 1 x 1). A camera RAW picture converted
// to JPEG with a ".thm" companion beside it carries the companion's EXIF
// and other segments. An existing target is left alone unless replacing was
// chosen.
#include <QString>

namespace vistello {

class PictureFileTypes;

struct ConvertOptions {
    QString targetExtension;       // with the dot, e.g. ".bmp"
    bool replaceExisting = false;
    QString targetProperties;      // the target format's option string; empty: its default
};

enum class ConvertStatus {
    Written,
    SameFormat,     // source and target are one format: skipped
    NotWritable,    // no format writes the target extension
    TargetExists,   // skipped, not overwritten
    DecodeFailed,   // damaged or unreadable source (message says why)
    WriteFailed,    // nothing left at the target (message says why)
};

struct ConvertResult {
    ConvertStatus status = ConvertStatus::WriteFailed;
    QString targetPath;
    QString message;
};

// The target path for a source (its folder, its file name's stem).
QString conversionTarget(const QString& source, const QString& targetExtension);

ConvertResult convertPicture(const PictureFileTypes& types, const QString& source, const ConvertOptions& options);

} // namespace vistello
