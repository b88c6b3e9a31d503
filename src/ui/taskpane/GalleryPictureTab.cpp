#include "ui/taskpane/GalleryPictureTab.h"

#include "app/window/taskpane/PublishPageRules.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "resources/PublishPageStrings.h"
#include "resources/EditPageStrings.h"
#include "resources/OrganizePageStrings.h"
#include "ui/taskpane/PageFields.h"
#include "ui/taskpane/ResizeOptionsPanel.h"

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
    , resize_(new ResizeOptionsPanel(store, SettingsStore::name(setting::HTMLResize), this))
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
    auto* ok = new QPushButton(text(strings::kPageOk), this);
    auto* cancel = new QPushButton(text(strings::kPageCancel), this);
    auto* applyButton = new QPushButton(text(strings::kPageApply), this);
    addButtonRows(layout, {ok, cancel, applyButton});
    layout->addStretch(1);
    // The original is linked from the picture page only.
    connect(linkToPicture_, &QCheckBox::toggled, linkToOriginal_, &QWidget::setEnabled);
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
}

void GalleryPictureTab::apply()
{
    showFields(storeGalleryPictureFields(store_, fields()));
    // The panel stores its record when it goes; Apply keeps the page open.
    store_.setRecord(SettingsStore::name(setting::HTMLResize), resize_->record());
}

} // namespace vistello
