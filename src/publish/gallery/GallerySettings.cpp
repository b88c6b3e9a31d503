#include "publish/gallery/GallerySettings.h"

#include "core/settings/SettingsStore.h"
#include "publish/gallery/GalleryTemplates.h"

namespace vistello {

GallerySettings gallerySettingsFrom(SettingsStore& settings)
{
    registerGalleryTemplates();
    GallerySettings s;
    s.targetFolder = settings.getString(QStringLiteral("HTMLTargetFolder"));
    s.startPage = settings.getString(QStringLiteral("HTMLTargetFileName"));
    s.title = settings.getString(QStringLiteral("HTMLtitle"));
    s.indexTemplate = settings.getString(QStringLiteral("HTMLIndexPage"));
    s.pictureTemplate = settings.getString(QStringLiteral("HTMLPicturePage"));
    s.useExternalIndex = settings.getBool(QStringLiteral("UseExternalIndexPage"), false);
    s.externalIndex = settings.getString(QStringLiteral("ExternalIndexPage"));
    s.useExternalPicture = settings.getBool(QStringLiteral("UseExternalPicturePage"), false);
    s.externalPicture = settings.getString(QStringLiteral("ExternalPicturePage"));
    s.thumbWidth = settings.getInt(QStringLiteral("HTMLPicturesSizeX"), -1);
    s.thumbHeight = settings.getInt(QStringLiteral("HTMLPicturesSizeY"), -1);
    s.perRow = settings.getInt(QStringLiteral("HTMLPicturesPerRow"), -1);
    s.rowsPerPage = settings.getInt(QStringLiteral("HTMLRowsPerPage"), -1);
    s.resize = settings.getRecord(QStringLiteral("HTMLResize"), ResizeSettings{});
    s.linkToPicture = settings.getBool(QStringLiteral("LinkToPicture"), true);
    s.linkToOriginal = settings.getBool(QStringLiteral("LinkToOriginal"), true);
    s.displayFileNames = settings.getBool(QStringLiteral("DisplayFilenames"), true);
    s.autoRotate = settings.getBool(QStringLiteral("Orientation"), true);
    return s;
}

} // namespace vistello
