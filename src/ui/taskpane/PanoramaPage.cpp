#include "ui/taskpane/PanoramaPage.h"

#include "app/window/taskpane/PublishPageRules.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/FormatHandler.h"
#include "publish/panorama/PanoramaSplit.h"
#include "resources/OrganizePageStrings.h"
#include "resources/PanoramaPageStrings.h"
#include "resources/PublishPageStrings.h"
#include "ui/taskpane/PageFields.h"
#include "ui/taskpane/PanoramaPreview.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vistello {

namespace {

QString text(int id)
{
    return strings::text(id);
}

QString productName()
{
    return QString::fromLatin1(SettingsStore::kProductName);
}

QSize pictureSize(const QString& path)
{
    std::unique_ptr<FormatHandler> handler = createFormatHandler(PictureFileTypes::instance(), path);
    if (!handler)
        return {};
    handler->readHeader(path);
    if (!handler->valid)
        return {};
    return {handler->imageWidth, handler->imageHeight};
}

// Restores the cursor however the work ends.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

CommandPage* PanoramaPage::open(int mode, const TaskPageContext& context, QWidget* parent)
{
    const QStringList pictures = context.lists.workingSet();
    const QSize size = pictures.size() == 1 ? pictureSize(pictures.first()) : QSize();
    switch (panoramaOpening(int(pictures.size()), size.width(), size.height())) {
    case PanoramaOpening::Open: return new PanoramaPage(mode, context, parent);
    case PanoramaOpening::Vertical: context.prompts.inform(productName(), text(strings::kPanoramaVertical)); break;
    case PanoramaOpening::NotOneSelected: break;
    }
    return nullptr;
}

PanoramaPage::PanoramaPage(int mode, const TaskPageContext& context, QWidget* parent)
    : CommandPage(mode, text(strings::kPanoramaHeading), parent)
    , context_(context)
    , preview_(new PanoramaPreview(this))
    , printerX_(numberField(this, text(strings::kPanoramaPrinterXTip)))
    , printerY_(numberField(this, text(strings::kPanoramaPrinterYTip)))
    , overlap_(numberField(this))
    , landscape_(new QCheckBox(text(strings::kPanoramaLandscape), this))
    , split_(new QPushButton(text(strings::kPanoramaSplit), this))
    , cannotSplit_(new QLabel(text(strings::kPanoramaCannotSplit), this))
{
    QVBoxLayout* layout = body();
    layout->addWidget(preview_);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    layout->addWidget(line);
    folder_ = addLabelledField(layout, this, text(strings::kPanoramaFolderLabel), text(strings::kTargetFolderTip));
    QHBoxLayout* printerRow =
        addNumberRow(layout, this, text(strings::kPanoramaPrinterLabel), {printerX_, printerY_}, text(strings::kPixelUnit));
    auto* query = new QPushButton(text(strings::kPanoramaQueryPrinter), this);
    printerRow->addWidget(query);
    addNumberRow(layout, this, text(strings::kPanoramaOverlapLabel), {overlap_}, text(strings::kPixelUnit));
    landscape_->setToolTip(text(strings::kPanoramaLandscapeTip));
    layout->addWidget(landscape_);
    auto* cancel = new QPushButton(text(strings::kPageCancel), this);
    auto* applyButton = new QPushButton(text(strings::kPageApply), this);
    addButtonRows(layout, {split_, cancel, applyButton});
    cannotSplit_->setObjectName(QStringLiteral("panoramaCannotSplit"));
    cannotSplit_->setWordWrap(true);
    layout->addWidget(cannotSplit_);
    // In the order shown: the fields were made before the folder field.
    const QList<QWidget*> order{folder_, printerX_, printerY_, query, overlap_, landscape_, split_, cancel, applyButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    connect(query, &QPushButton::clicked, this, &PanoramaPage::queryPrinter);
    connect(split_, &QPushButton::clicked, this, &PanoramaPage::split);
    connect(cancel, &QPushButton::clicked, this, [this] { context_.close(); });
    connect(applyButton, &QPushButton::clicked, this, &PanoramaPage::apply);
    for (QLineEdit* field : {printerX_, printerY_, overlap_})
        connect(field, &QLineEdit::textChanged, this, &PanoramaPage::updatePlan);
    connect(landscape_, &QCheckBox::toggled, this, &PanoramaPage::updatePlan);
    showFields(readPanoramaSettings(context_.store));
    readPicture();
}

void PanoramaPage::selectionChanged(int count)
{
    split_->setEnabled(count == 1);
    if (context_.lists.workingSet().value(0) != picture_)
        readPicture();
}

PanoramaPageSettings PanoramaPage::fields() const
{
    PanoramaPageSettings settings;
    settings.targetFolder = folder_->text();
    settings.printerX = printerX_->text().toInt();
    settings.printerY = printerY_->text().toInt();
    settings.overlap = overlap_->text().toInt();
    settings.landscape = landscape_->isChecked();
    return settings;
}

void PanoramaPage::showFields(const PanoramaPageSettings& settings)
{
    folder_->setText(settings.targetFolder);
    printerX_->setText(QString::number(settings.printerX));
    printerY_->setText(QString::number(settings.printerY));
    overlap_->setText(QString::number(settings.overlap));
    landscape_->setChecked(settings.landscape);
    updatePlan();
}

void PanoramaPage::readPicture()
{
    picture_ = context_.lists.workingSet().value(0);
    QImageReader reader(picture_);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    QImage thumbnail;
    if (size.isValid() && size.height() > 0) {
        reader.setScaledSize(size.scaled(QSize(size.width(), PanoramaPreview::kHeight), Qt::KeepAspectRatio));
        thumbnail = reader.read();
    }
    preview_->showPicture(thumbnail, size.width());
    updatePlan();
}

void PanoramaPage::updatePlan()
{
    const PanoramaPageSettings settings = fields();
    PanoramaSplitRequest request;
    request.picture = picture_;
    request.printerX = std::max(0, settings.printerX);
    request.printerY = std::max(0, settings.printerY);
    request.landscape = settings.landscape;
    request.overlap = std::max(0, settings.overlap);
    const PanoramaPlan plan = picture_.isEmpty() ? PanoramaPlan() : planPanoramaSplit(request).plan;
    preview_->showPlan(plan);
    cannotSplit_->setVisible(cannotBeSplit(plan));
}

void PanoramaPage::queryPrinter()
{
    WaitCursor wait;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        context_.prompts.inform(productName(), text(strings::kPanoramaNoPrinter));
        return;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    printerX_->setText(QString::number(area.width()));
    printerY_->setText(QString::number(area.height()));
}

void PanoramaPage::apply()
{
    storePanoramaSettings(context_.store, fields());
    showFields(readPanoramaSettings(context_.store));
}

void PanoramaPage::split()
{
    if (const std::optional<FieldBalloon> balloon = targetFolderBalloon(folder_->text())) {
        showFieldBalloon(folder_, *balloon);
        return;
    }
    apply();
    const PanoramaPageSettings settings = readPanoramaSettings(context_.store);
    PanoramaSplitRequest request;
    request.picture = context_.lists.workingSet().value(0);
    request.folder = settings.targetFolder;
    request.printerX = settings.printerX;
    request.printerY = settings.printerY;
    request.landscape = settings.landscape;
    request.overlap = settings.overlap;
    if (request.picture.isEmpty())
        return;
    PanoramaSplitResult result;
    {
        WaitCursor wait;
        result = splitPanorama(request);
    }
    if (context_.picturesWritten && !result.written.isEmpty())
        context_.picturesWritten(result.written);
    if (result.failure == PanoramaFailure::CutFailed || result.failure == PanoramaFailure::WouldReplaceSource) {
        context_.prompts.inform(productName(), text(strings::kPanoramaCutFailed));
        return;
    }
    if (!result.written.isEmpty())
        context_.close();
}

} // namespace vistello
