#pragma once
// "Rotate right", "Rotate left", "Auto rotate", "Mirror vertical" and
// "Greyscale": the two choices and Change/Cancel.
#include "app/window/taskpane/TransformPages.h"
#include "ui/taskpane/CommandPage.h"

class QCheckBox;
class QPushButton;

namespace vistello {

class TransformPage : public CommandPage {
    Q_OBJECT
public:
    // The boxes start from the stored settings.
    TransformPage(int mode, bool modifyThumbnail, bool makeCopy, QWidget* parent);

    bool modifyThumbnail() const;
    bool makeCopy() const;
    void selectionChanged(int count) override;

Q_SIGNALS:
    void changeRequested();

private:
    QCheckBox* modifyThumbnail_;
    QCheckBox* makeCopy_;
    QPushButton* change_;
};

} // namespace vistello
