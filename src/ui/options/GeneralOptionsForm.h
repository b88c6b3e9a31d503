#pragma once
// The "Settings" page.
#include "app/window/options/OptionsRules.h"
#include "ui/options/OptionsForm.h"

namespace vistello {

class GeneralOptionsForm : public OptionsForm {
    Q_OBJECT
public:
    GeneralOptionsForm(const OptionsHost& host, QWidget* parent);
    void open() override;

protected:
    bool apply(bool leaving) override;
    void cancel() override;

private:
    GeneralOptions shown() const;
    void copyOriginalClicked(bool on);

    QLineEdit* delay_;
    QCheckBox* folderView_;
    QCheckBox* audio_;
    QCheckBox* transitions_;
    QLineEdit* transitionDelay_;
    QCheckBox* orientation_;
    QCheckBox* copyOriginal_;
    QCheckBox* modifyThumbnail_;
    QCheckBox* makeCopy_;
    QCheckBox* panorama_;
    QLineEdit* panoramaSpeed_;
    GeneralOptions remembered_;
};

} // namespace vistello
