#pragma once
// The red-eye removal mode of the central area: caption, the picture view,
// "Remove red eyes", "Reset", the intensity slider and field, "Save",
// "Cancel" and "Make copy". Entering the mode reads the one picture of the
// working set; leaving it (hiding the page) drops the picture and clears
// the task pane's step box. The rules are RedEyeSession's.
#include "app/window/redeye/RedEyeSession.h"
#include "ui/common/WindowPage.h"

#include <QJsonObject>
#include <functional>

class QCheckBox;
class QPushButton;
class QSlider;
class QSpinBox;

namespace vistello {

class Prompts;
class RedEyeView;
class SettingsStore;

struct RedEyeHost {
    std::function<QStringList()> workingSet;
    std::function<void(const QString& title, const QString& text)> setSteps;
    std::function<void()> leave; // back to the last picture style
    std::function<void(const QString& path, bool makeCurrent)> written;
};

class RedEyePage : public WindowPage {
    Q_OBJECT
public:
    RedEyePage(SettingsStore& store, Prompts& prompts, RedEyeHost host, QWidget* parent);
    void showStyle(uint64_t style) override;
    QJsonObject stateJson() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void enter();
    void release();
    void removeRedEyes();
    void reset();
    void save();
    void refresh();
    void layoutControls();

    SettingsStore& store_;
    Prompts& prompts_;
    RedEyeHost host_;
    RedEyeSession session_;
    RedEyeView* view_;
    QPushButton* remove_;
    QPushButton* reset_;
    QSlider* slider_;
    QSpinBox* field_;
    QPushButton* save_;
    QPushButton* cancel_;
    QCheckBox* makeCopy_;
    int shownStep_ = 0;
    int captionHeight_ = 0;
    int separatorY_ = 0;
};

} // namespace vistello
