#pragma once
// The picture-data list's commands "Save picture data", "Load picture data"
// and "Remove picture data": the dialogs and the question through a HeaderUi,
// the file work through PictureData.
#include "jpegmeta/segments/HeaderEditStatus.h"
#include "jpegmeta/segments/HeaderUi.h"

#include <QString>

namespace vistello {

// The proposed ".app" file: the picture's path with its extension replaced.
QString defaultPictureDataPath(const QString& picture);

// Each returns Done when the file work succeeded; a cancelled dialog, a "No"
// answer or a failed backup returns Cancelled without touching anything.
HeaderEditStatus runSavePictureData(HeaderUi& ui, const QString& picture);
HeaderEditStatus runLoadPictureData(HeaderUi& ui, const QString& picture);
HeaderEditStatus runRemovePictureData(HeaderUi& ui, const QString& picture);

} // namespace vistello
