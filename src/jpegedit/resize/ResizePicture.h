#pragma once
// Resizing one picture of a batch: into a new "Copy of" file beside it, or
// in its own place after the ".original" backup (when backups are wanted).
// The picture is decoded and every trial encoded before anything on disk
// changes; then the chosen file is put in place once, whole. A damaged
// picture, one that cannot be backed up and one whose write fails all stay
// byte-identical.
#include "jpegedit/resize/ResizeOperation.h"

#include <QHash>
#include <QString>

namespace vistello {

class PictureFileTypes;
class SettingsStore;

struct ResizeOptions {
    ResizeRequest request;
    bool makeCopy = false;
    bool copyOriginal = true;
    // Each format's option string ("<formatName>_property"), taken when the
    // batch starts; the JPEG one decides automatic qualities without a limit.
    QHash<QString, QString> formatOptions;
    const std::atomic<bool>* stopFlag = nullptr;
    std::function<void(const ResizeCandidate&)> trace;
};

// The options the settings give: CopyOriginal, "Orientation" and the
// formats' option strings, with the request from record (validated).
ResizeOptions resizeOptionsFrom(SettingsStore& settings, const PictureFileTypes& types, const ResizeSettings& record,
                                bool makeCopy);

enum class ResizeStatus {
    Written,
    LimitNotMet,  // written, but even the smallest trial is above the limit
    NotWritable,  // no format writes this file type: skipped
    DecodeFailed, // damaged or unreadable: left alone (message says why)
    BackupFailed, // the ".original" backup could not be made: left alone
    WriteFailed,  // encoding or putting the file in place failed: nothing changed (message says why)
};

struct ResizeResult {
    ResizeStatus status = ResizeStatus::WriteFailed;
    QString targetPath;
    int width = 0;
    int height = 0;
    qint64 bytes = 0;
    JpegQualities qualities;
    QString message;

    bool written() const { return status == ResizeStatus::Written || status == ResizeStatus::LimitNotMet; }
};

ResizeResult resizePicture(const PictureFileTypes& types, const QString& picture, const ResizeOptions& options);

} // namespace vistello
