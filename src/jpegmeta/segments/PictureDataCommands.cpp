#include "jpegmeta/segments/PictureDataCommands.h"

#include "jpegmeta/segments/PictureData.h"
#include "resources/StringTable.h"
#include "resources/MetaStrings.h"

#include <QDir>
#include <QFileInfo>

namespace vistello {

namespace {

const QString kExtension = QStringLiteral("app");

class BusyScope {
public:
    explicit BusyScope(HeaderUi& ui) : ui_(ui) { ui_.setBusy(true); }
    ~BusyScope() { ui_.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    HeaderUi& ui_;
};

HeaderEditStatus finish(HeaderUi& ui, const QString& picture, HeaderEditStatus status)
{
    if (status == HeaderEditStatus::Done)
        ui.pictureChanged(picture);
    return status;
}

} // namespace

QString defaultPictureDataPath(const QString& picture)
{
    const QFileInfo info(picture);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    return info.dir().filePath(stem + QLatin1Char('.') + kExtension);
}

HeaderEditStatus runSavePictureData(HeaderUi& ui, const QString& picture)
{
    const QString target = ui.prompts().chooseSaveFile(
        {QString(), strings::text(strings::kPictureDataFilter), kExtension, defaultPictureDataPath(picture)});
    if (target.isEmpty())
        return HeaderEditStatus::Cancelled;
    BusyScope busy(ui);
    return savePictureData(picture, target);
}

HeaderEditStatus runLoadPictureData(HeaderUi& ui, const QString& picture)
{
    if (!ui.backUpOriginal(picture))
        return HeaderEditStatus::Cancelled;
    const QString source = ui.prompts().chooseOpenFile(
        {QString(), strings::text(strings::kPictureDataFilter), kExtension, defaultPictureDataPath(picture)});
    if (source.isEmpty())
        return HeaderEditStatus::Cancelled;
    BusyScope busy(ui);
    return finish(ui, picture, loadPictureData(picture, source));
}

HeaderEditStatus runRemovePictureData(HeaderUi& ui, const QString& picture)
{
    if (!ui.prompts().confirm(QString(), strings::text(strings::kRemovePictureDataQuestion)))
        return HeaderEditStatus::Cancelled;
    if (!ui.backUpOriginal(picture))
        return HeaderEditStatus::Cancelled;
    BusyScope busy(ui);
    return finish(ui, picture, removePictureData(picture));
}

} // namespace vistello
