#include "ui/options/OptionsPage.h"

#include "app/window/frame/DisplayStyle.h"
#include "ui/options/AdvancedOptionsForm.h"
#include "ui/options/ColourOptionsForm.h"
#include "ui/options/ColourProfileForm.h"
#include "ui/options/FormatListForm.h"
#include "ui/options/GeneralOptionsForm.h"

#include <QStackedLayout>

namespace vistello {

namespace {
constexpr int kFormatSettingsCommand = 348; // the format list's context menu
}

OptionsPage::OptionsPage(const OptionsHost& host, QWidget* parent)
    : WindowPage(parent)
    , stack_(new QStackedLayout(this))
    , general_(new GeneralOptionsForm(host, this))
    , advanced_(new AdvancedOptionsForm(host, this))
    , colours_(new ColourOptionsForm(host, this))
    , profile_(new ColourProfileForm(host, this))
    , formats_(new FormatListForm(host, this))
{
    setObjectName(QStringLiteral("optionsPage"));
    setAutoFillBackground(true);
    for (QWidget* form : std::initializer_list<QWidget*>{general_, advanced_, colours_, profile_, formats_})
        stack_->addWidget(form);
}

void OptionsPage::showStyle(uint64_t style)
{
    style_ = style;
    switch (style) {
    case style::Advanced:
        advanced_->open();
        stack_->setCurrentWidget(advanced_);
        break;
    case style::Colours:
        colours_->open();
        stack_->setCurrentWidget(colours_);
        break;
    case style::ColourProfile:
        profile_->open();
        stack_->setCurrentWidget(profile_);
        break;
    case style::PictureFormats:
        formats_->open();
        stack_->setCurrentWidget(formats_);
        break;
    default:
        general_->open();
        stack_->setCurrentWidget(general_);
        break;
    }
}

bool OptionsPage::pageCommand(int id)
{
    if (id != kFormatSettingsCommand || style_ != style::PictureFormats)
        return false;
    formats_->formatSettings();
    return true;
}

QJsonObject OptionsPage::stateJson() const
{
    return {{QStringLiteral("style"), double(style_)},
            {QStringLiteral("colours"), colours_->stateJson(window())},
            {QStringLiteral("formats"), formats_->stateJson()}};
}

} // namespace vistello
