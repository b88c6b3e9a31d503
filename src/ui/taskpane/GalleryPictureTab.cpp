#include "ui/taskpane/GalleryPictureTab.h"

#include "app/window/taskpane/PublishPageRules.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "resources/PublishPageStrings.h"
#include "resources/EditPageStrings.h"
#include "resources/OrganizePageStrings.h"
#include "ui/taskpane/PageFields.h"

#include <QCheckBox>
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

} // namespace

GalleryPictureTab::GalleryPictureTab(SettingsStore& store, std::function<void()> close, QWidget* parent)
    : QWidget(parent)
    , store_(store)
    , thumbWidth_(numberField(this, text(strings::kThumbnailWidthTip)))
    , thumbHeight_(numberField(this, text(strings::kThumbnailHeightTip)))
    , displayFileNames_(new QCheckBox(text(strings::kDisplayFilenames), this))
    , linkToPicture_(new QCheckBox(text(strings::kLinkToPicture), this))
    , linkToOriginal_(new QCheckBox(text(strings::kLinkToOriginal), this))
    , resize_(new QCheckBox(text(strings::kNewSize), this))
    , resizeWidth_(numberField(this))
    , resizeHeight_(numberField(this))
    , quality_(new QCheckBox(text(strings::kQualityLevel), this))
    , luminance_(numberField(this))
    , chrominance_(numberField(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* help = new QLabel(text(strings::kPictureSettingsHelp), this);
    help->setTextFormat(Qt::PlainText);
    help->setWordWrap(true);
    layout->addWidget(help);
    addNumberRow(layout, this, text(strings::kThumbnailSizeLabel), {thumbWidth_, thumbHeight_}, text(strings::kPixelUnit));
    linkToOriginal_->setToolTip(text(strings::kLinkToOriginalTip));
    layout->addWidget(displayFileNames_);
    layout->addWidget(linkToPicture_);
    layout->addWidget(linkToOriginal_);
    layout->addWidget(resize_);
    QHBoxLayout* box = addNumberRow(layout, this, QString(), {resizeWidth_}, QString());
    box->insertWidget(1, new QLabel(text(strings::kSizeTimes), this));
    box->insertWidget(2, resizeHeight_);
    box->insertWidget(3, new QLabel(text(strings::kPixelUnit), this));
    layout->addWidget(quality_);
    addNumberRow(layout, this, text(strings::kLuminance), {luminance_}, QString());
    addNumberRow(layout, this, text(strings::kChrominance), {chrominance_}, QString());
    auto* ok = new QPushButton(text(strings::kPageOk), this);
    auto* cancel = new QPushButton(text(strings::kPageCancel), this);
    auto* applyButton = new QPushButton(text(strings::kPageApply), this);
    addButtonRows(layout, {ok, cancel, applyButton});
    layout->addStretch(1);
    // The original is linked from the picture page only.
    connect(linkToPicture_, &QCheckBox::toggled, linkToOriginal_, &QWidget::setEnabled);
    connect(resize_, &QCheckBox::toggled, resizeWidth_, &QWidget::setEnabled);
    connect(resize_, &QCheckBox::toggled, resizeHeight_, &QWidget::setEnabled);
    connect(quality_, &QCheckBox::toggled, luminance_, &QWidget::setEnabled);
    connect(quality_, &QCheckBox::toggled, chrominance_, &QWidget::setEnabled);
    connect(ok, &QPushButton::clicked, this, [this, close] {
        apply();
        close();
    });
    connect(cancel, &QPushButton::clicked, this, [close] { close(); });
    connect(applyButton, &QPushButton::clicked, this, &GalleryPictureTab::apply);
    showFields(galleryPictureFields(store_));
}

GalleryPictureFields GalleryPictureTab::fields() const
{
    GalleryPictureFields f;
    f.thumbWidth = thumbWidth_->text();
    f.thumbHeight = thumbHeight_->text();
    f.displayFileNames = displayFileNames_->isChecked();
    f.linkToPicture = linkToPicture_->isChecked();
    f.linkToOriginal = linkToOriginal_->isChecked();
    f.resizeEnabled = resize_->isChecked();
    f.resizeWidth = resizeWidth_->text();
    f.resizeHeight = resizeHeight_->text();
    f.qualityGiven = quality_->isChecked();
    f.luminance = luminance_->text();
    f.chrominance = chrominance_->text();
    return f;
}

void GalleryPictureTab::showFields(const GalleryPictureFields& f)
{
    thumbWidth_->setText(f.thumbWidth);
    thumbHeight_->setText(f.thumbHeight);
    displayFileNames_->setChecked(f.displayFileNames);
    linkToPicture_->setChecked(f.linkToPicture);
    linkToOriginal_->setChecked(f.linkToOriginal);
    linkToOriginal_->setEnabled(f.linkToPicture);
    resize_->setChecked(f.resizeEnabled);
    resizeWidth_->setText(f.resizeWidth);
    resizeHeight_->setText(f.resizeHeight);
    resizeWidth_->setEnabled(f.resizeEnabled);
    resizeHeight_->setEnabled(f.resizeEnabled);
    quality_->setChecked(f.qualityGiven);
    luminance_->setText(f.luminance);
    chrominance_->setText(f.chrominance);
    luminance_->setEnabled(f.qualityGiven);
    chrominance_->setEnabled(f.qualityGiven);
}

void GalleryPictureTab::apply()
{
    showFields(storeGalleryPictureFields(store_, fields()));
}

} // namespace vistello
