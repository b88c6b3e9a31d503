#pragma once
// The resize options: a new size (a box or a percentage), the two JPEG
// qualities and a file-size limit, two of the three ticked. Reads its
// record from the store when made and stores it back when it goes; the
// rules of every click are ResizePanelRules'.
#include "app/window/taskpane/ResizePanelRules.h"

#include <QWidget>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;

namespace vistello {

class QualitySlider;
class SettingsStore;

class ResizeOptionsPanel : public QWidget {
    Q_OBJECT
public:
    ResizeOptionsPanel(SettingsStore& store, const QString& key, QWidget* parent);
    ~ResizeOptionsPanel() override;

    // The options shown and the values typed, validated.
    ResizeSettings record() const;
    // Without pictures the controls are hidden.
    void setPicturesPresent(bool present);

private:
    void click(ResizePanelClick click);
    void refresh();
    QLineEdit* numberField(const QString& pattern);

    SettingsStore& store_;
    QString key_;
    ResizeSettings shown_;
    bool picturesPresent_ = true;
    QCheckBox* newSize_;
    QRadioButton* fixedSize_;
    QRadioButton* relative_;
    QLineEdit* width_;
    QLineEdit* height_;
    QLineEdit* percent_;
    QCheckBox* qualityLevel_;
    QualitySlider* luminance_;
    QualitySlider* chrominance_;
    QCheckBox* fileSize_;
    QLineEdit* kilobytes_;
};

} // namespace vistello
