#pragma once
// The thumbnail embedded in a picture's header as an image, as it is stored
// (not turned upright): the picture-data list shows it beside the IFD1 rows.
#include <QImage>
#include <QString>

namespace vistello {

// Fitted into a square of maxSide pixels when larger; a null image when the
// file holds no thumbnail or it does not decode.
QImage embeddedThumbnailImage(const QString& path, int maxSide);

} // namespace vistello
