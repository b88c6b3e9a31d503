#include "ui/taskpane/GalleryTemplateTab.h"

#include "app/window/taskpane/PublishPageRules.h"
#include "core/prompts/Prompts.h"
#include "resources/PublishPageStrings.h"
#include "resources/OrganizePageStrings.h"
#include "ui/taskpane/PageFields.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

namespace {

QString text(int id)
{
    return strings::text(id);
}

constexpr int kTemplateLines = 8;

QPlainTextEdit* addTemplateField(QVBoxLayout* layout, QWidget* owner, const QString& label)
{
    auto* caption = new QLabel(label, owner);
    caption->setTextFormat(Qt::PlainText);
    auto* field = new QPlainTextEdit(owner);
    field->setLineWrapMode(QPlainTextEdit::NoWrap);
    field->setFixedHeight(field->fontMetrics().lineSpacing() * kTemplateLines);
    caption->setBuddy(field);
    layout->addWidget(caption);
    layout->addWidget(field);
    return field;
}

} // namespace

GalleryTemplateTab::GalleryTemplateTab(SettingsStore& store, Prompts& prompts, std::function<void()> close,
                                       QWidget* parent)
    : QWidget(parent)
    , store_(store)
    , prompts_(prompts)
    , useExternalIndex_(new QCheckBox(text(strings::kUseExternalIndex), this))
    , externalIndex_(new QLineEdit(this))
    , useExternalPicture_(new QCheckBox(text(strings::kUseExternalPicture), this))
    , externalPicture_(new QLineEdit(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* help = new QLabel(text(strings::kTemplatesHelp), this);
    help->setTextFormat(Qt::PlainText);
    help->setWordWrap(true);
    layout->addWidget(help);
    const auto addExternalRow = [&](QCheckBox* use, const QString& tip, QLineEdit* file) {
        use->setToolTip(tip);
        layout->addWidget(use);
        auto* row = new QHBoxLayout;
        auto* browseButton = new QPushButton(text(strings::kBrowseButton), this);
        row->addWidget(file, 1);
        row->addWidget(browseButton);
        layout->addLayout(row);
        connect(browseButton, &QPushButton::clicked, this, [this, file] { browse(file); });
    };
    indexTemplate_ = addTemplateField(layout, this, text(strings::kIndexTemplateLabel));
    addExternalRow(useExternalIndex_, text(strings::kUseExternalIndexTip), externalIndex_);
    pictureTemplate_ = addTemplateField(layout, this, text(strings::kPictureTemplateLabel));
    addExternalRow(useExternalPicture_, text(strings::kUseExternalPictureTip), externalPicture_);
    auto* ok = new QPushButton(text(strings::kPageOk), this);
    auto* cancel = new QPushButton(text(strings::kPageCancel), this);
    auto* applyButton = new QPushButton(text(strings::kPageApply), this);
    addButtonRows(layout, {ok, cancel, applyButton});
    layout->addStretch(1);
    connect(ok, &QPushButton::clicked, this, [this, close] {
        apply();
        close();
    });
    connect(cancel, &QPushButton::clicked, this, [close] { close(); });
    connect(applyButton, &QPushButton::clicked, this, &GalleryTemplateTab::apply);
    showFields(galleryTemplateFields(store_));
}

GalleryTemplateFields GalleryTemplateTab::fields() const
{
    return {indexTemplate_->toPlainText(), useExternalIndex_->isChecked(), externalIndex_->text(),
            pictureTemplate_->toPlainText(), useExternalPicture_->isChecked(), externalPicture_->text()};
}

void GalleryTemplateTab::showFields(const GalleryTemplateFields& f)
{
    indexTemplate_->setPlainText(f.indexTemplate);
    useExternalIndex_->setChecked(f.useExternalIndex);
    externalIndex_->setText(f.externalIndex);
    pictureTemplate_->setPlainText(f.pictureTemplate);
    useExternalPicture_->setChecked(f.useExternalPicture);
    externalPicture_->setText(f.externalPicture);
}

void GalleryTemplateTab::apply()
{
    showFields(storeGalleryTemplateFields(store_, fields()));
}

void GalleryTemplateTab::browse(QLineEdit* field)
{
    FileChoice choice;
    choice.filter = text(strings::kHtmlFileFilter);
    choice.proposedPath = field->text();
    const QString chosen = prompts_.chooseOpenFile(choice);
    if (!chosen.isEmpty())
        field->setText(chosen);
}

} // namespace vistello
