#pragma once
// The "Color profile" page: the display profile and its file.
#include "ui/options/OptionsForm.h"

namespace vistello {

class ColourProfileForm : public OptionsForm {
    Q_OBJECT
public:
    ColourProfileForm(const OptionsHost& host, QWidget* parent);
    void open() override;

protected:
    bool apply(bool leaving) override;
    void cancel() override {}

private:
    void browse();

    QCheckBox* use_;
    QLineEdit* path_;
};

} // namespace vistello
