#pragma once
// The "Advanced settings" page.
#include "app/window/options/OptionsRules.h"
#include "ui/options/OptionsForm.h"

namespace vistello {

class AdvancedOptionsForm : public OptionsForm {
    Q_OBJECT
public:
    AdvancedOptionsForm(const OptionsHost& host, QWidget* parent);
    void open() override;

protected:
    bool apply(bool leaving) override;
    void cancel() override;

private:
    AdvancedOptions shown() const;

    QLineEdit* previewCache_;
    QLineEdit* pictureCache_;
    QLineEdit* extension_;
    QCheckBox* previewTooltip_;
    QCheckBox* splitLines_;
    QCheckBox* folderInfo_;
    QCheckBox* controlButtons_;
    QCheckBox* userSelect_;
    QCheckBox* pictureText_;
    AdvancedOptions remembered_;
    QString openedExtension_; // the field's text at opening
};

} // namespace vistello
