#include "ui/options/GeneralOptionsForm.h"

#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "resources/OptionsStrings.h"

#include <QCheckBox>
#include <QLineEdit>

namespace vistello {

namespace s = strings;

GeneralOptionsForm::GeneralOptionsForm(const OptionsHost& host, QWidget* parent)
    : OptionsForm(s::kSettingsHeading, s::kSettingsText, host, parent)
    , delay_(addNumber(s::kAutoShowDelay, s::kSeconds, s::kAutoShowTip))
    , folderView_(addCheck(s::kFolderView, s::kFolderViewTip))
    , audio_(addCheck(s::kEnableAudio, s::kSoundSymbolTip))
    , transitions_(addCheck(s::kTransitions, s::kTransitionsTip))
    , transitionDelay_(addNumberBeside(transitions_, s::kTransitionDelayTip))
    , orientation_(addCheck(s::kOrientation, s::kOrientationTip))
    , copyOriginal_(addCheck(s::kCopyOriginal, s::kCopyOriginalTip))
    , modifyThumbnail_(addCheck(s::kModifyThumbnail, s::kModifyThumbnailTip))
    , makeCopy_(addCheck(s::kMakeCopy, 0))
    , panorama_(addCheck(s::kPanoramaScroll, s::kPanoramaScrollTip))
    , panoramaSpeed_(addNumberBeside(panorama_, s::kPanoramaSpeedTip))
{
    makeCopy_->setToolTip(QString::fromUtf16(s::kMakeCopyTipText));
    SettingsStore& store = *host_.store;
    connect(folderView_, &QCheckBox::clicked, this, [this](bool on) { host_.showFolderView(on); });
    connect(transitions_, &QCheckBox::clicked, this, [this, &store](bool on) {
        store.set(setting::Transitions, on);
        transitionDelay_->setEnabled(on);
    });
    connect(panorama_, &QCheckBox::clicked, this, [this, &store](bool on) {
        store.set(setting::PanoramaAutoScroll, on);
        panoramaSpeed_->setEnabled(on);
    });
    connect(orientation_, &QCheckBox::clicked, this, [&store](bool on) { store.set(setting::Orientation, on); });
    connect(copyOriginal_, &QCheckBox::clicked, this, &GeneralOptionsForm::copyOriginalClicked);
}

void GeneralOptionsForm::open()
{
    remembered_ = readGeneral(*host_.store, host_.folderViewShown());
    const GeneralOptions& o = remembered_;
    setNumber(delay_, o.autoShowDelay);
    folderView_->setChecked(o.folderView);
    audio_->setChecked(o.audio);
    transitions_->setChecked(o.transitions);
    setNumber(transitionDelay_, o.transitionDelay);
    transitionDelay_->setEnabled(o.transitions);
    orientation_->setChecked(o.orientation);
    copyOriginal_->setChecked(o.copyOriginal);
    modifyThumbnail_->setChecked(o.modifyThumbnail);
    makeCopy_->setChecked(o.makeCopy);
    panorama_->setChecked(o.panoramaScroll);
    setNumber(panoramaSpeed_, o.panoramaSpeed);
    panoramaSpeed_->setEnabled(o.panoramaScroll);
}

GeneralOptions GeneralOptionsForm::shown() const
{
    GeneralOptions o;
    o.autoShowDelay = number(delay_);
    o.folderView = folderView_->isChecked();
    o.audio = audio_->isChecked();
    o.transitions = transitions_->isChecked();
    o.transitionDelay = number(transitionDelay_);
    o.orientation = orientation_->isChecked();
    o.copyOriginal = copyOriginal_->isChecked();
    o.modifyThumbnail = modifyThumbnail_->isChecked();
    o.makeCopy = makeCopy_->isChecked();
    o.panoramaScroll = panorama_->isChecked();
    o.panoramaSpeed = number(panoramaSpeed_);
    return o;
}

void GeneralOptionsForm::copyOriginalClicked(bool on)
{
    if (!on) {
        PromptQuestion question;
        question.text = s::text(s::kCopyOriginalOff);
        question.buttons = PromptButtons::YesNo;
        question.defaultAnswer = PromptAnswer::No;
        if (host_.prompts->ask(question).answer != PromptAnswer::Yes) {
            copyOriginal_->setChecked(true);
            return;
        }
    }
    host_.store->set(setting::CopyOriginal, on);
}

bool GeneralOptionsForm::apply(bool leaving)
{
    (void)leaving;
    const GeneralOptions page = shown();
    host_.carryOut(applyGeneral(page, remembered_, *host_.store));
    open(); // the stored values, validated, become the memory
    return true;
}

void GeneralOptionsForm::cancel()
{
    host_.carryOut(restoreGeneral(shown(), remembered_, *host_.store));
}

} // namespace vistello
