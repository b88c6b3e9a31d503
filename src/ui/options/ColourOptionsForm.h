#pragma once
// The "Color settings" page: three rows of label, swatch and "Change Color".
#include "app/window/options/OptionsRules.h"
#include "ui/options/OptionsForm.h"

#include <QJsonObject>

class QLabel;
class QPushButton;

namespace vistello {

class ColourOptionsForm : public OptionsForm {
    Q_OBJECT
public:
    ColourOptionsForm(const OptionsHost& host, QWidget* parent);
    void open() override;
    // The colours and each row's button (its centre in the window's coordinates).
    QJsonObject stateJson(const QWidget* window) const;

protected:
    bool apply(bool leaving) override;
    void cancel() override;

private:
    void change(ColourRow row);
    void showSwatches();

    QLabel* swatches_[3];
    QPushButton* buttons_[3];
    ColourOptions current_;
    ColourOptions remembered_;
};

} // namespace vistello
