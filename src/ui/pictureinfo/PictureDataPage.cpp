#include "ui/pictureinfo/PictureDataPage.h"

#include "app/window/frame/CommandIds.h"
#include "app/window/viewer/DevicePixels.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/EmbeddedThumbnailImage.h"
#include "jpegmeta/exif/ExifTypes.h"
#include "jpegmeta/info/PictureDataText.h"
#include "jpegmeta/segments/PictureDataCommands.h"
#include "resources/InfoStrings.h"
#include "resources/StringTable.h"
#include "ui/pictureinfo/PictureDataDelegate.h"
#include "app/window/pictureinfo/PictureDataModel.h"
#include "ui/pictureinfo/PictureDataTable.h"
#include "ui/pictureinfo/WindowHeaderUi.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>

namespace vistello {

namespace {

constexpr int kThumbnailSide = 160;

QFont listFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(15); // glyphs of a cell 18 pixels high
    font.setWeight(QFont::Normal);
    return font;
}

bool isIfd1(const PictureDataItem& item)
{
    return item.type == PictureDataItem::Type::Row && item.row.kind == int(IfdKind::Ifd1);
}

} // namespace

PictureDataPage::PictureDataPage(QWidget* parent)
    : WindowPage(parent)
    , model_(new PictureDataModel(this))
    , table_(new PictureDataTable(this))
    , message_(new QLabel(this))
{
    setObjectName(QStringLiteral("pictureDataPage"));
    table_->setObjectName(QStringLiteral("pictureDataList"));
    table_->setFont(listFont());
    table_->setModel(model_);
    table_->setItemDelegate(new PictureDataDelegate(table_));
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(table_->font()).height() + 3);
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { showMenu(table_->viewport()->mapTo(this, at)); });
    message_->setObjectName(QStringLiteral("pictureDataMessage"));
    message_->setFont(listFont());
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    message_->setAutoFillBackground(true);
    message_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(message_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { showMenu(message_->mapTo(this, at)); });
    message_->hide();
}

void PictureDataPage::setServices(Prompts& prompts, SettingsStore& store)
{
    prompts_ = &prompts;
    store_ = &store;
}

void PictureDataPage::showPath(const QString& path, bool force)
{
    if (path == path_ && !force)
        return;
    path_ = path;
    sections_ = path.isEmpty() ? PictureDataSections() : readPictureDataSections(path);
    const bool hasIfd1 = std::any_of(sections_.exif.begin(), sections_.exif.end(),
                                     [](const PictureDataRow& row) { return row.kind == int(IfdKind::Ifd1); });
    // Device pixels where the thumbnail holds them; the layout stays logical.
    const qreal ratio = devicePixelRatioF();
    const QSize box = toDevice(QSize(kThumbnailSide, kThumbnailSide), ratio);
    const QImage thumbnail = hasIfd1 ? embeddedThumbnailImage(path, box.width()) : QImage();
    const QSize shown = renderingLogical(thumbnail.size(), QSize(kThumbnailSide, kThumbnailSide), ratio, false);
    const int rowHeight = table_->verticalHeader()->defaultSectionSize();
    std::vector<PictureDataItem> items =
        pictureDataItems(sections_, thumbnail.isNull() ? 0 : rowsForHeight(shown.height() + 2, rowHeight));

    // The thumbnail sits right of the longest IFD1 value and its pictogram.
    const QFontMetrics metrics(table_->font());
    int firstIfd1 = -1;
    int ifd1Value = 0;
    nameWidth_ = metrics.horizontalAdvance(model_->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString());
    for (size_t i = 0; i < items.size(); ++i) {
        const PictureDataItem& item = items[i];
        nameWidth_ = std::max(nameWidth_, metrics.horizontalAdvance(
                                              item.type == PictureDataItem::Type::Title ? item.title : item.row.name));
        if (!isIfd1(item))
            continue;
        if (firstIfd1 < 0)
            firstIfd1 = int(i);
        ifd1Value = std::max(ifd1Value, metrics.horizontalAdvance(item.row.value));
    }
    const int gap = PictureDataDelegate::kExtrasGap;
    model_->setItems(std::move(items));
    table_->setThumbnail(firstIfd1 < 0 ? QImage() : thumbnail, shown, std::max(firstIfd1, 0),
                         PictureDataDelegate::kTextMargin + ifd1Value + 3 * gap + rowHeight);
    table_->scrollToTop();
    layoutColumns();

    const bool noData = !path.isEmpty() && sections_.isEmpty();
    message_->setText(noData ? strings::text(strings::kNoPictureData)
                                   .replace(QLatin1String("%s"), QFileInfo(path).fileName())
                                   .replace(QLatin1String("\r\n"), QLatin1String("\n"))
                             : QString());
    message_->setVisible(noData);
    table_->setVisible(!noData);
}

void PictureDataPage::layoutColumns()
{
    const int margin = 2 * PictureDataDelegate::kTextMargin + 4;
    table_->setColumnWidth(0, std::clamp(nameWidth_ + margin, 1, std::max(width() / 2, 1)));
}

void PictureDataPage::resizeEvent(QResizeEvent* event)
{
    WindowPage::resizeEvent(event);
    table_->setGeometry(rect());
    message_->setGeometry(rect());
    layoutColumns();
}

int PictureDataPage::dataRows() const
{
    int rows = 0;
    for (int i = 0; i < model_->rowCount(); ++i)
        rows += model_->item(i).type == PictureDataItem::Type::Row ? 1 : 0;
    return rows;
}

QJsonObject PictureDataPage::stateJson() const
{
    const QSize thumbnail = table_->thumbnailSize();
    return {
        {QStringLiteral("path"), path_},
        {QStringLiteral("rows"), dataRows()},
        {QStringLiteral("items"), model_->rowCount()},
        {QStringLiteral("message"), message_->isHidden() ? QString() : message_->text()},
        {QStringLiteral("thumbnail"), QStringLiteral("%1x%2").arg(thumbnail.width()).arg(thumbnail.height())},
    };
}

void PictureDataPage::showMenu(QPoint at)
{
    if (path_.isEmpty())
        return;
    QMenu menu(this);
    const std::pair<int, const char*> entries[] = {{command::CopyPictureData, "Copy"},
                                                   {command::SavePictureData, "Save picture data"},
                                                   {command::LoadPictureData, "Load picture data"},
                                                   {command::RemovePictureData, "Remove picture data"}};
    for (const auto& [id, text] : entries)
        connect(menu.addAction(QString::fromLatin1(text)), &QAction::triggered, this, [this, chosen = id] {
            pageCommand(chosen);
        });
    menu.exec(mapToGlobal(at));
}

bool PictureDataPage::pageCommand(int id)
{
    if (path_.isEmpty())
        return false;
    switch (id) {
    case command::CopyPictureData: copyText(); return true;
    case command::SavePictureData:
    case command::LoadPictureData:
    case command::RemovePictureData: rewrite(id); return true;
    default: return false;
    }
}

void PictureDataPage::copyText()
{
    QGuiApplication::clipboard()->setText(pictureDataText(path_, sections_));
    if (prompts_)
        prompts_->inform(QString::fromLatin1(SettingsStore::kProductName),
                         strings::text(strings::kPictureDataCopied));
}

void PictureDataPage::rewrite(int id)
{
    if (!prompts_ || !store_)
        return;
    const QString picture = path_;
    WindowHeaderUi ui(*prompts_, store_->get(setting::CopyOriginal), [this](const QString& path) {
        showPath(path, true);
        Q_EMIT pictureRewritten(path);
    });
    if (id == command::SavePictureData)
        runSavePictureData(ui, picture);
    else if (id == command::LoadPictureData)
        runLoadPictureData(ui, picture);
    else
        runRemovePictureData(ui, picture);
}

void PictureDataPage::refreshAll()
{
    if (!path_.isEmpty())
        showPath(path_, true);
}

void PictureDataPage::pictureChanged(const QString& path)
{
    if (path == path_)
        showPath(path_, true);
}

} // namespace vistello
