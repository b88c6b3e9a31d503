#include "publish/indexsheet/IndexSheetRun.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/NumberPattern.h"
#include "core/settings/SettingsStore.h"
#include "publish/common/OutputPlan.h"
#include "publish/common/TargetFolder.h"
#include "publish/common/TwoThreads.h"
#include "publish/indexsheet/CellThumbnail.h"
#include "publish/indexsheet/IndexSheet.h"
#include "resources/PublishStrings.h"

#include <QFileInfo>
#include <optional>

namespace vistello {

namespace {

QString messageText(int id, const QStringList& inserts = {})
{
    return strings::formatInserts(strings::text(id), inserts);
}

// An earlier sheet: the file name begins with the pattern's text before its
// first "%" (without regard to case).
bool isEarlierSheet(const QString& path, const QString& pattern)
{
    const QString prefix = pattern.left(pattern.indexOf(QLatin1Char('%')));
    return !prefix.isEmpty() && QFileInfo(path).fileName().startsWith(prefix, Qt::CaseInsensitive);
}

// Thumbnails of pictures[first, first + count), on this thread and one more.
std::vector<PixelBuffer> decodeWindow(const QStringList& pictures, qsizetype first, qsizetype count,
                                      const IndexSheetSettings& settings, const std::atomic<bool>* stop)
{
    std::vector<PixelBuffer> thumbnails(static_cast<size_t>(count));
    forEachOnTwoThreads(count, [&](qsizetype i) {
        if (!(stop && stop->load()))
            thumbnails[size_t(i)] = cellThumbnail(pictures[first + i], settings.grid.cellWidth, settings.grid.cellHeight,
                                                  settings.autoRotate, stop);
    });
    return thumbnails;
}

std::optional<QString> nameRefusal(const IndexSheetSettings& settings, const QStringList& pictures, qint64 sheets)
{
    OutputPlan plan;
    for (qint64 n = 0; n < sheets; ++n) {
        const QString name = formatNumberPattern(settings.pattern, n);
        if (!isPlainFileName(name))
            return messageText(strings::kNameLeavesTarget, {name});
        plan.add(name, QStringLiteral("index picture"));
    }
    if (const QStringList over = plan.overwrittenSources(settings.targetFolder, pictures); !over.isEmpty())
        return messageText(strings::kOutputOverwritesPicture, {over.join(QLatin1Char('\n'))});
    return std::nullopt;
}

} // namespace

IndexSheetSettings indexSheetSettingsFrom(SettingsStore& settings, const PictureFileTypes& types)
{
    IndexSheetSettings s;
    s.targetFolder = settings.get(setting::IndexTargetFolder);
    s.pattern = settings.get(setting::IndexFileName);
    s.grid.columns = settings.get(setting::IndexPicturesPerColumn);
    s.grid.rows = settings.get(setting::IndexPicturesPerRow);
    s.grid.cellWidth = settings.get(setting::IndexPictureSizeX);
    s.grid.cellHeight = settings.get(setting::IndexPictureSizeY);
    s.grid.borderX = settings.get(setting::IndexBorderX);
    s.grid.borderY = settings.get(setting::IndexBorderY);
    s.grid.background = std::uint32_t(settings.get(setting::IndexBackgroundColor)) & 0xFFFFFF;
    s.grid.film = settings.get(setting::AddFilmStripe);
    s.autoRotate = settings.get(setting::Orientation);
    for (const FormatListEntry& format : types.formats())
        if (format.writable && !format.formatName.isEmpty())
            s.formatOptions.insert(format.formatName, settings.getString(format.formatName + QStringLiteral("_property")));
    return s;
}

QString sheetPattern(const PictureFileTypes& types, const QString& pattern)
{
    const QString valid = isValidNumberPattern(pattern) ? pattern : QStringLiteral("index%d.jpg");
    const PictureFileType* type = types.typeOf(formatNumberPattern(valid, 0));
    return type && type->writable ? valid : valid + QStringLiteral(".jpg");
}

IndexSheetOutcome createIndexSheets(const PictureFileTypes& types, const QStringList& pictures,
                                    const IndexSheetSettings& requested, const IndexSheetHooks& hooks)
{
    IndexSheetOutcome outcome;
    IndexSheetSettings settings = requested;
    settings.pattern = sheetPattern(types, requested.pattern);
    if (hooks.started)
        hooks.started(int(pictures.size()));
    // An empty or relative folder would put the sheets wherever the process
    // happens to run.
    if (!isUsableTargetFolder(settings.targetFolder)) {
        outcome.message = messageText(strings::kNoTargetFolder);
        return outcome;
    }
    if (const std::optional<QString> refusal = sheetSizeRefusal(settings.grid)) {
        outcome.message = *refusal;
        return outcome;
    }
    QStringList used;
    for (const QString& picture : pictures)
        if (!isEarlierSheet(picture, settings.pattern))
            used.append(picture);
    const qint64 cellsPerSheet = qint64(std::max(1, settings.grid.columns)) * std::max(1, settings.grid.rows);
    if (const std::optional<QString> refusal =
            nameRefusal(settings, used, std::max<qint64>(1, (used.size() + cellsPerSheet - 1) / cellsPerSheet))) {
        outcome.message = *refusal;
        return outcome;
    }
    IndexSheet sheet(settings.grid);
    if (!sheet.valid()) {
        const SheetSize size = sheetSize(settings.grid);
        outcome.message = messageText(strings::kSheetTooLarge, {QString::number(size.width), QString::number(size.height)});
        return outcome;
    }

    QStringList failed;
    qint64 sheetNumber = 0;
    int counter = 0;
    const auto writeSheet = [&](int cells) {
        const QString path = settings.targetFolder + formatNumberPattern(settings.pattern, sheetNumber);
        const PictureFileType* type = types.typeOf(path);
        if (sheet.write(types, path, type ? settings.formatOptions.value(type->formatName) : QString()))
            outcome.written.push_back({path, sheet.width(), sheet.height(), cells});
        else
            failed.append(path);
    };
    const int columns = std::max(1, settings.grid.columns);
    const qsizetype window = picturesAhead(settings.grid.cellWidth, settings.grid.cellHeight);
    for (qsizetype first = 0; first < used.size(); first += window) {
        const qsizetype count = std::min<qsizetype>(window, used.size() - first);
        const std::vector<PixelBuffer> thumbnails = decodeWindow(used, first, count, settings, hooks.stop);
        for (qsizetype i = 0; i < count; ++i) {
            if (hooks.stop && hooks.stop->load())
                return outcome; // the sheet being filled is dropped
            if (hooks.step)
                hooks.step(used[first + i]);
            if (thumbnails[size_t(i)].empty())
                continue;
            sheet.place(counter % columns, counter / columns, thumbnails[size_t(i)]);
            if (++counter < cellsPerSheet)
                continue;
            writeSheet(counter);
            counter = 0;
            ++sheetNumber;
            sheet.clear();
        }
    }
    if (counter > 0)
        writeSheet(counter);
    if (!failed.isEmpty())
        outcome.message = messageText(strings::kSheetsNotWritten, {failed.join(QLatin1Char('\n'))});
    return outcome;
}

} // namespace vistello
