#include "ui/options/AdvancedOptionsForm.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "resources/OptionsStrings.h"

#include <QCheckBox>
#include <QLineEdit>

namespace vistello {

namespace s = strings;

AdvancedOptionsForm::AdvancedOptionsForm(const OptionsHost& host, QWidget* parent)
    : OptionsForm(s::kAdvancedHeading, s::kAdvancedText, host, parent)
    , previewCache_(addNumber(s::kPreviewCache, s::kPreviewCacheUnit, 0))
    , pictureCache_(addNumber(s::kPictureCache, s::kPictureCacheUnit, 0))
    , extension_(addText(s::kListExtension, s::kListFormatTip))
    , previewTooltip_(addCheck(s::kPreviewTooltip, s::kPreviewTooltipTip))
    , splitLines_(addCheck(s::kSplitLines, s::kSplitLinesTip))
    , folderInfo_(addCheck(s::kFolderInfo, s::kFolderInfoTip))
    , controlButtons_(addCheck(s::kControlButtons, s::kControlButtonsTip))
    , userSelect_(addCheck(s::kUserSelect, s::kUserSelectTip))
    , pictureText_(addCheck(s::kPictureText, s::kPictureTextTip))
{
    connect(splitLines_, &QCheckBox::clicked, this, [this](bool on) {
        host_.store->set(setting::ShowSplitLines, on);
        host_.frameFlagsChanged();
    });
    connect(folderInfo_, &QCheckBox::clicked, this, [this](bool on) {
        host_.store->set(setting::ShellTreeJpegInfo, on);
        host_.frameFlagsChanged();
    });
}

void AdvancedOptionsForm::open()
{
    remembered_ = readAdvanced(*host_.store);
    const AdvancedOptions& o = remembered_;
    setNumber(previewCache_, o.previewCache);
    setNumber(pictureCache_, o.pictureCache);
    extension_->setText(o.listExtension);
    openedExtension_ = o.listExtension;
    previewTooltip_->setChecked(o.previewTooltip);
    splitLines_->setChecked(o.splitLines);
    folderInfo_->setChecked(o.folderInfo);
    controlButtons_->setChecked(o.controlButtons);
    userSelect_->setChecked(o.userSelect);
    pictureText_->setChecked(o.pictureText);
}

AdvancedOptions AdvancedOptionsForm::shown() const
{
    AdvancedOptions o;
    o.previewCache = number(previewCache_);
    o.pictureCache = number(pictureCache_);
    o.listExtension = extension_->text();
    o.previewTooltip = previewTooltip_->isChecked();
    o.splitLines = splitLines_->isChecked();
    o.folderInfo = folderInfo_->isChecked();
    o.controlButtons = controlButtons_->isChecked();
    o.userSelect = userSelect_->isChecked();
    o.pictureText = pictureText_->isChecked();
    return o;
}

bool AdvancedOptionsForm::apply(bool leaving)
{
    const OptionsEffects effects =
        applyAdvanced(shown(), openedExtension_, *host_.store, PictureFileTypes::instance());
    if (!effects.refusal.isEmpty()) {
        host_.prompts->inform(s::text(s::kAdvancedHeading), effects.refusal);
        extension_->setText(host_.store->get(setting::PictureListExtension));
        return false;
    }
    host_.carryOut(effects);
    // Only OK lists the folder again with the new list files.
    if (leaving && effects.extensionChanged)
        host_.rescan();
    const QString opened = openedExtension_;
    open();
    if (!leaving)
        openedExtension_ = opened;
    return true;
}

void AdvancedOptionsForm::cancel()
{
    host_.carryOut(restoreAdvanced(remembered_, *host_.store));
}

} // namespace vistello
