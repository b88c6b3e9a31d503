#include "ui/taskpane/IndexPage.h"

#include "app/window/taskpane/PublishPageRules.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "core/settings/SettingsStore.h"
#include "publish/indexsheet/IndexSheetJob.h"
#include "resources/PublishPageStrings.h"
#include "resources/OrganizePageStrings.h"
#include "ui/taskpane/PageFields.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

namespace {

QString text(int id)
{
    return strings::text(id);
}

constexpr int kSwatchSide = 18;

QColor colourOf(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace

IndexPage::IndexPage(int mode, const TaskPageContext& context, QWidget* parent)
    : CommandPage(mode, text(strings::kIndexPageHeading), parent)
    , context_(context)
    , columns_(numberField(this, text(strings::kIndexColumnsTip)))
    , rows_(numberField(this, text(strings::kIndexRowsTip)))
    , cellWidth_(numberField(this, text(strings::kHorizontalSizeTip)))
    , cellHeight_(numberField(this, text(strings::kVerticalSizeTip)))
    , borderX_(numberField(this))
    , borderY_(numberField(this, text(strings::kFilmBorderTip)))
    , film_(new QCheckBox(text(strings::kAddFilmStripe), this))
    , swatch_(new QLabel(this))
    , create_(new QPushButton(text(strings::kCreateIndexButton), this))
{
    addText(text(strings::kIndexHelp));
    QVBoxLayout* layout = body();
    folder_ = addLabelledField(layout, this, text(strings::kIndexTargetLabel), text(strings::kTargetFolderTip));
    addNumberRow(layout, this, text(strings::kIndexSizeLabel), {columns_, rows_}, text(strings::kPicturesUnit));
    addNumberRow(layout, this, text(strings::kIndexPictureSizeLabel), {cellWidth_, cellHeight_}, text(strings::kPixelUnit));
    addNumberRow(layout, this, text(strings::kHorizontalBorderLabel), {borderX_}, text(strings::kPixelUnit));
    addNumberRow(layout, this, text(strings::kVerticalBorderLabel), {borderY_}, text(strings::kPixelUnit));
    fileName_ = addLabelledField(layout, this, text(strings::kIndexFileNameLabel), text(strings::kIndexFileNameTip));
    film_->setToolTip(text(strings::kFilmBorderTip));
    layout->addWidget(film_);
    addText(text(strings::kIndexBackgroundLabel));
    auto* colourRow = new QHBoxLayout;
    swatch_->setFixedSize(kSwatchSide, kSwatchSide);
    swatch_->setAutoFillBackground(true);
    auto* change = new QPushButton(text(strings::kChangeColorButton), this);
    colourRow->addWidget(swatch_);
    colourRow->addWidget(change);
    colourRow->addStretch(1);
    layout->addLayout(colourRow);
    auto* cancel = new QPushButton(text(strings::kPageCancel), this);
    auto* applyButton = new QPushButton(text(strings::kPageApply), this);
    addButtonRows(layout, {create_, cancel, applyButton});
    connect(change, &QPushButton::clicked, this, &IndexPage::chooseColour);
    connect(create_, &QPushButton::clicked, this, &IndexPage::create);
    connect(cancel, &QPushButton::clicked, this, [this] { context_.close(); });
    connect(applyButton, &QPushButton::clicked, this, &IndexPage::apply);
    showFields(indexPageFields(context_.store));
}

void IndexPage::selectionChanged(int count)
{
    create_->setEnabled(count > 0);
}

IndexPageFields IndexPage::fields() const
{
    IndexPageFields f;
    f.targetFolder = folder_->text();
    f.columns = columns_->text();
    f.rows = rows_->text();
    f.cellWidth = cellWidth_->text();
    f.cellHeight = cellHeight_->text();
    f.borderX = borderX_->text();
    f.borderY = borderY_->text();
    f.fileName = fileName_->text();
    f.background = background_;
    f.film = film_->isChecked();
    return f;
}

void IndexPage::showFields(const IndexPageFields& f)
{
    folder_->setText(f.targetFolder);
    columns_->setText(f.columns);
    rows_->setText(f.rows);
    cellWidth_->setText(f.cellWidth);
    cellHeight_->setText(f.cellHeight);
    borderX_->setText(f.borderX);
    borderY_->setText(f.borderY);
    fileName_->setText(f.fileName);
    film_->setChecked(f.film);
    background_ = f.background;
    showBackground();
}

void IndexPage::showBackground()
{
    QPalette palette = swatch_->palette();
    palette.setColor(QPalette::Window, colourOf(background_));
    swatch_->setPalette(palette);
}

void IndexPage::chooseColour()
{
    const QColor chosen = QColorDialog::getColor(colourOf(background_), this);
    if (!chosen.isValid())
        return;
    background_ = chosen.red() | chosen.green() << 8 | chosen.blue() << 16;
    showBackground();
}

void IndexPage::apply()
{
    showFields(storeIndexPageFields(context_.store, fields()));
}

void IndexPage::create()
{
    if (context_.lists.workingSet().isEmpty())
        return;
    if (const std::optional<FieldBalloon> balloon = targetFolderBalloon(folder_->text())) {
        showFieldBalloon(folder_, *balloon);
        return;
    }
    apply();
    PictureFileTypes& types = PictureFileTypes::instance();
    const IndexSheetSettings settings = indexSheetSettingsFrom(context_.store, types);
    const QStringList pictures = context_.takeWorkingSet();
    const TaskPageContext context = context_; // the page is gone after close()
    context.close();
    context.startJob(std::make_unique<IndexSheetJob>(types, pictures, settings));
}

} // namespace vistello
