#include "app/window/taskpane/RenamePageRules.h"

#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"

namespace vistello {

namespace {

const QString kDefaultPattern = QStringLiteral("Picture_%04d");

} // namespace

QString storedRenamePattern(const QString& stored)
{
    return stored.isEmpty() ? kDefaultPattern : stored;
}

RenamePageFill renamePageFill(const RenamePageInputs& in)
{
    RenamePageFill fill;
    const bool one = in.selected == 1;
    fill.dateEnabled = in.renameAll || !one || in.singleDateName.has_value();
    if (!one || in.renameAll) {
        fill.name = storedRenamePattern(in.pattern);
    } else if (in.useDate && in.singleDateName) {
        fill.name = *in.singleDateName;
        fill.nameReadOnly = true;
    } else {
        fill.name = in.singleName;
    }
    return fill;
}

std::optional<RenameRequest> renameRequestFrom(const RenamePageValues& values, const QStringList& pictures,
                                               const QString& storedPattern)
{
    if (pictures.isEmpty())
        return std::nullopt;
    RenameRequest request;
    request.pictures = pictures;
    request.firstIndex = values.firstIndex;
    request.byDate = values.useDate;
    request.numbered = values.renameAll;
    if (request.severalPictures())
        // A pattern without a number is replaced by the engine.
        request.pattern = values.name.isEmpty() ? storedRenamePattern(storedPattern) : values.name;
    else
        request.name = values.name;
    return request;
}

void storeRenameSettings(SettingsStore& store, const RenamePageValues& values, const RenameRequest& request)
{
    store.set(setting::RenameAll, values.renameAll);
    store.set(setting::RenameFirstIndex, int(values.firstIndex));
    store.set(setting::RenameUseExifDateTime, values.useDate);
    // One picture's typed name is no pattern: it would number nothing.
    if (request.severalPictures())
        store.set(setting::RenameNewPictureName, request.pattern);
}

} // namespace vistello
