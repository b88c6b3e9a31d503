#pragma once
// The options group of the central area: one form per tab, each filled
// from the store when its tab is chosen.
#include "ui/common/WindowPage.h"
#include "ui/options/OptionsHost.h"

#include <QJsonObject>

class QStackedLayout;

namespace vistello {

class AdvancedOptionsForm;
class ColourOptionsForm;
class ColourProfileForm;
class FormatListForm;
class GeneralOptionsForm;

class OptionsPage : public WindowPage {
    Q_OBJECT
public:
    OptionsPage(const OptionsHost& host, QWidget* parent);

    void showStyle(uint64_t style) override;
    bool pageCommand(int id) override;
    QJsonObject stateJson() const;

private:
    uint64_t style_ = 0;
    QStackedLayout* stack_;
    GeneralOptionsForm* general_;
    AdvancedOptionsForm* advanced_;
    ColourOptionsForm* colours_;
    ColourProfileForm* profile_;
    FormatListForm* formats_;
};

} // namespace vistello
