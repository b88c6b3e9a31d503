#pragma once
// Everything a gallery job needs, copied from the settings when it starts,
// so later changes to the settings do not reach a running job.
#include "core/settings/ResizeSettings.h"

#include <QString>

namespace vistello {

class SettingsStore;

struct GallerySettings {
    QString targetFolder;  // ends in "/"
    QString sourceFolder;  // the folder shown in the folder tree; may be empty
    QString startPage = QStringLiteral("index.html");
    QString title;
    QString indexTemplate; // empty: the built-in one
    QString pictureTemplate;
    bool useExternalIndex = false;
    QString externalIndex;
    bool useExternalPicture = false;
    QString externalPicture;
    int thumbWidth = 120;
    int thumbHeight = 120;
    int perRow = 4;
    int rowsPerPage = 4;
    ResizeSettings resize;
    bool linkToPicture = true;
    bool linkToOriginal = true;
    bool displayFileNames = true;
    bool autoRotate = true; // "Orientation"
    // "Jpeg_property": the qualities of scaled copies whose resize record
    // gives none.
    QString jpegOptions;
};

GallerySettings gallerySettingsFrom(SettingsStore& settings);

} // namespace vistello
