#include "ui/taskpane/ConvertPage.h"

#include "app/window/taskpane/FormatOptions.h"
#include "app/window/taskpane/PageJobs.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "resources/EditPageStrings.h"
#include "ui/taskpane/JpegOptionsDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

ConvertPage::ConvertPage(int mode, const TaskPageContext& context, QWidget* parent)
    : CommandPage(mode, strings::text(strings::kConvertHeading), parent)
    , context_(context)
    , targets_(convertTargets(PictureFileTypes::instance()))
    , formats_(new QComboBox(this))
    , settings_(new QPushButton(strings::text(strings::kFormatSettings), this))
    , convert_(new QPushButton(strings::text(strings::kConvertButton), this))
{
    for (const ConvertTarget& target : targets_)
        formats_->addItem(target.text());
    formats_->setCurrentIndex(chosenTarget(targets_, context_.store.get(setting::FormatConvert)));
    auto* label = new QLabel(strings::text(strings::kChooseTargetFormat), this);
    label->setTextFormat(Qt::PlainText);
    body()->addWidget(label);
    body()->addWidget(formats_);
    auto* settingsRow = new QHBoxLayout;
    settingsRow->addWidget(settings_);
    settingsRow->addStretch(1);
    body()->addLayout(settingsRow);
    auto* buttons = new QHBoxLayout;
    auto* cancel = new QPushButton(strings::text(strings::kResizeCancel), this);
    buttons->addWidget(convert_);
    buttons->addSpacing(15);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    body()->addLayout(buttons);
    connect(formats_, &QComboBox::currentIndexChanged, this, &ConvertPage::targetChosen);
    connect(settings_, &QPushButton::clicked, this, [this] {
        if (const ConvertTarget* chosen = target())
            editFormatSettings(this, context_.store, PictureFileTypes::instance(), chosen->formatName);
    });
    connect(convert_, &QPushButton::clicked, this, &ConvertPage::convert);
    connect(cancel, &QPushButton::clicked, this, [this] { context_.close(); });
    targetChosen();
}

const ConvertTarget* ConvertPage::target() const
{
    const int index = formats_->currentIndex();
    return index >= 0 && index < int(targets_.size()) ? &targets_[size_t(index)] : nullptr;
}

void ConvertPage::targetChosen()
{
    const ConvertTarget* chosen = target();
    settings_->setEnabled(chosen && formatHasSettingsDialog(PictureFileTypes::instance(), chosen->formatName));
}

void ConvertPage::selectionChanged(int count)
{
    convert_->setEnabled(count > 0 && target());
}

void ConvertPage::convert()
{
    const ConvertTarget* chosen = target();
    if (!chosen)
        return;
    context_.store.set(setting::FormatConvert, chosen->extension);
    ConvertOptions options;
    options.targetExtension = chosen->extension;
    options.targetProperties = formatOptions(context_.store, chosen->formatName);
    const QStringList pictures = context_.takeWorkingSet();
    const TaskPageContext context = context_; // the page is gone after close()
    context.close();
    if (!pictures.isEmpty())
        context.startJob(
            std::make_unique<ConvertPageJob>(PictureFileTypes::instance(), pictures, options, context.prompts));
}

} // namespace vistello
