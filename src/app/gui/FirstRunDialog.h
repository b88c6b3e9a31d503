#pragma once
// Shown on the first start: offers the launchers and reports what the
// display and the media playback support offer.
#include "app/startup/DisplayCheck.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;

namespace vistello {

class FirstRunDialog : public QDialog {
    Q_OBJECT
public:
    // displaySettings: program and arguments that open the display settings;
    // empty hides the "Settings" button and its hint.
    FirstRunDialog(const DisplayCheckTexts& check, const QStringList& displaySettings, QWidget* parent = nullptr);

    bool makeShortcutsChecked() const;

private:
    void openDisplaySettings();

    QStringList displaySettings_;
    QCheckBox* shortcuts_ = nullptr;
};

} // namespace vistello
