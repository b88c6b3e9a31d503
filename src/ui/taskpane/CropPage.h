#pragma once
// "Crop rectangle": the selection's numbers, the short form, the ratio lock
// with its presets, "Modify thumbnail image", "Make copy", Crop and Cancel.
// Every typed character normalises at once (CropPageRules); three seconds
// after the last one the short form is read once more. The viewer's crop
// mode and this page always show the same selection.
#include "app/window/taskpane/CropPageRules.h"
#include "ui/taskpane/CommandPage.h"

#include <QTimer>
#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vistello {

struct TaskPageContext;

class CropPage : public CommandPage {
    Q_OBJECT
public:
    CropPage(int mode, const TaskPageContext& context, QWidget* parent);

    // The picture laid out in crop mode, with the viewer's lock and selection.
    void start(const CropFrame& frame, const CropRatio& ratio, const CropSelection& selection);
    // A drag step in the viewer.
    void fromViewer(const CropSelection& selection);
    const CropSelection& selection() const;
    const CropRatio& ratio() const;
    bool applying() const { return applying_; }
    QJsonObject fieldsJson() const override;

Q_SIGNALS:
    // Typing, the lock or a preset changed the selection or the ratio.
    void edited(const vistello::CropSelection& selection, const vistello::CropRatio& ratio);
    void applyRequested();
    void cancelRequested();

private:
    void typed(int id);
    void normalise(int id);
    void show();
    void lockToggled();
    void presetChosen(int entry);

    SettingsStore& store_;
    std::optional<CropPageRules> rules_;
    std::array<QLineEdit*, 5> edits_{};
    std::array<QLabel*, 4> notes_{};
    QLineEdit* ratioZ_;
    QLineEdit* ratioN_;
    QPushButton* lock_;
    QComboBox* presets_;
    QTimer settle_;
    bool applying_ = false;
};

} // namespace vistello
