#include "app/window/taskpane/PublishPageRules.h"

#include "core/jobs/JobRegistry.h"
#include "core/settings/ResizeSettings.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "platform/FolderWritable.h"
#include "publish/common/TargetFolder.h"
#include "publish/gallery/GalleryTemplates.h"
#include "resources/PublishPageStrings.h"
#include "resources/PublishStrings.h"

#include <QFileInfo>

namespace vistello {

namespace {

// A number field as the store takes it: decimal, anything else stored as
// -1 so that the store's default applies.
int parsed(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : -1;
}

QString storeNumber(SettingsStore& store, const setting::IntKey& key, const QString& text)
{
    store.set(key, parsed(text));
    return QString::number(store.get(key));
}

QString number(SettingsStore& store, const setting::IntKey& key)
{
    return QString::number(store.get(key));
}

// A folder field shows what was typed; the store adds the trailing "/".
QString storeFolder(SettingsStore& store, const setting::StringKey& key, const QString& text)
{
    store.set(key, text.trimmed());
    return store.get(key);
}

} // namespace

std::optional<FieldBalloon> targetFolderBalloon(const QString& field)
{
    const QString folder = field.trimmed();
    if (folder.isEmpty())
        return FieldBalloon{strings::text(strings::kTargetFolderTitle), strings::text(strings::kNoTargetFolder)};
    if (!isUsableTargetFolder(folder) || !QFileInfo(folder).isDir() || !isFolderWritable(folder))
        return FieldBalloon{strings::text(strings::kInvalidTargetTitle), strings::text(strings::kInvalidTargetText)};
    return std::nullopt;
}

std::optional<QString> galleryRunningMessage(const JobRegistry& jobs, const QString& folder)
{
    if (!jobs.targetInUse(folder))
        return std::nullopt;
    return strings::formatInserts(strings::text(strings::kGalleryRunning), {folder});
}

GalleryPageFields galleryPageFields(SettingsStore& store)
{
    return {store.get(setting::HTMLTargetFolder), store.get(setting::HTMLTargetFileName),
            number(store, setting::HTMLPicturesPerRow), number(store, setting::HTMLRowsPerPage),
            store.get(setting::HTMLtitle)};
}

GalleryPageFields storeGalleryPageFields(SettingsStore& store, const GalleryPageFields& fields)
{
    GalleryPageFields shown;
    shown.targetFolder = storeFolder(store, setting::HTMLTargetFolder, fields.targetFolder);
    store.set(setting::HTMLTargetFileName, fields.fileName.trimmed());
    shown.fileName = store.get(setting::HTMLTargetFileName);
    shown.perRow = storeNumber(store, setting::HTMLPicturesPerRow, fields.perRow);
    shown.rowsPerPage = storeNumber(store, setting::HTMLRowsPerPage, fields.rowsPerPage);
    store.set(setting::HTMLtitle, fields.headline);
    shown.headline = store.get(setting::HTMLtitle);
    return shown;
}

GalleryPictureFields galleryPictureFields(SettingsStore& store)
{
    return {number(store, setting::HTMLPicturesSizeX), number(store, setting::HTMLPicturesSizeY),
            store.get(setting::DisplayFilenames), store.get(setting::LinkToPicture), store.get(setting::LinkToOriginal)};
}

GalleryPictureFields storeGalleryPictureFields(SettingsStore& store, const GalleryPictureFields& fields)
{
    GalleryPictureFields shown = fields;
    shown.thumbWidth = storeNumber(store, setting::HTMLPicturesSizeX, fields.thumbWidth);
    shown.thumbHeight = storeNumber(store, setting::HTMLPicturesSizeY, fields.thumbHeight);
    store.set(setting::DisplayFilenames, fields.displayFileNames);
    store.set(setting::LinkToPicture, fields.linkToPicture);
    store.set(setting::LinkToOriginal, fields.linkToOriginal);
    return shown;
}

GalleryTemplateFields galleryTemplateFields(SettingsStore& store)
{
    registerGalleryTemplates();
    return {store.get(setting::HTMLIndexPage),        store.get(setting::UseExternalIndexPage),
            store.get(setting::ExternalIndexPage),    store.get(setting::HTMLPicturePage),
            store.get(setting::UseExternalPicturePage), store.get(setting::ExternalPicturePage)};
}

GalleryTemplateFields storeGalleryTemplateFields(SettingsStore& store, const GalleryTemplateFields& fields)
{
    registerGalleryTemplates();
    // The standard text is kept as "none": a later version's standard applies.
    store.set(setting::HTMLIndexPage, fields.indexTemplate == builtInIndexTemplate() ? QString() : fields.indexTemplate);
    store.set(setting::UseExternalIndexPage, fields.useExternalIndex);
    store.set(setting::ExternalIndexPage, fields.externalIndex.trimmed());
    store.set(setting::HTMLPicturePage,
              fields.pictureTemplate == builtInPictureTemplate() ? QString() : fields.pictureTemplate);
    store.set(setting::UseExternalPicturePage, fields.useExternalPicture);
    store.set(setting::ExternalPicturePage, fields.externalPicture.trimmed());
    return galleryTemplateFields(store);
}

IndexPageFields indexPageFields(SettingsStore& store)
{
    IndexPageFields f;
    f.targetFolder = store.get(setting::IndexTargetFolder);
    f.columns = number(store, setting::IndexPicturesPerColumn);
    f.rows = number(store, setting::IndexPicturesPerRow);
    f.cellWidth = number(store, setting::IndexPictureSizeX);
    f.cellHeight = number(store, setting::IndexPictureSizeY);
    f.borderX = number(store, setting::IndexBorderX);
    f.borderY = number(store, setting::IndexBorderY);
    f.fileName = store.get(setting::IndexFileName);
    f.background = store.get(setting::IndexBackgroundColor);
    f.film = store.get(setting::AddFilmStripe);
    return f;
}

IndexPageFields storeIndexPageFields(SettingsStore& store, const IndexPageFields& fields)
{
    storeFolder(store, setting::IndexTargetFolder, fields.targetFolder);
    store.set(setting::IndexPicturesPerColumn, parsed(fields.columns));
    store.set(setting::IndexPicturesPerRow, parsed(fields.rows));
    store.set(setting::IndexPictureSizeX, parsed(fields.cellWidth));
    store.set(setting::IndexPictureSizeY, parsed(fields.cellHeight));
    store.set(setting::IndexBorderX, parsed(fields.borderX));
    store.set(setting::IndexBorderY, parsed(fields.borderY));
    store.set(setting::IndexFileName, fields.fileName.trimmed());
    store.set(setting::IndexBackgroundColor, fields.background & 0xFFFFFF);
    store.set(setting::AddFilmStripe, fields.film);
    return indexPageFields(store);
}

} // namespace vistello
