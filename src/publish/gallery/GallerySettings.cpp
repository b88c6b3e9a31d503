#include "publish/gallery/GallerySettings.h"

#include "core/settings/SettingsStore.h"
#include "publish/gallery/GalleryTemplates.h"

namespace vistello {

GallerySettings gallerySettingsFrom(SettingsStore& settings)
{
    registerGalleryTemplates();
    GallerySettings s;
    s.targetFolder = settings.get(setting::HTMLTargetFolder);
    s.startPage = settings.get(setting::HTMLTargetFileName);
    s.title = settings.get(setting::HTMLtitle);
    s.indexTemplate = settings.get(setting::HTMLIndexPage);
    s.pictureTemplate = settings.get(setting::HTMLPicturePage);
    s.useExternalIndex = settings.get(setting::UseExternalIndexPage);
    s.externalIndex = settings.get(setting::ExternalIndexPage);
    s.useExternalPicture = settings.get(setting::UseExternalPicturePage);
    s.externalPicture = settings.get(setting::ExternalPicturePage);
    s.thumbWidth = settings.get(setting::HTMLPicturesSizeX);
    s.thumbHeight = settings.get(setting::HTMLPicturesSizeY);
    s.perRow = settings.get(setting::HTMLPicturesPerRow);
    s.rowsPerPage = settings.get(setting::HTMLRowsPerPage);
    s.resize = settings.getRecord(SettingsStore::name(setting::HTMLResize), ResizeSettings{});
    s.linkToPicture = settings.get(setting::LinkToPicture);
    s.linkToOriginal = settings.get(setting::LinkToOriginal);
    s.displayFileNames = settings.get(setting::DisplayFilenames);
    s.autoRotate = settings.get(setting::Orientation);
    s.jpegOptions = settings.get(setting::JpegProperty);
    return s;
}

} // namespace vistello
