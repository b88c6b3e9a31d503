#pragma once
// "Copy pictures": copies beside the selected pictures named "Copy of ...".
#include "ui/taskpane/CommandPage.h"

class QPushButton;

namespace vistello {

class CopyPicturesPage : public CommandPage {
    Q_OBJECT
public:
    CopyPicturesPage(int mode, QWidget* parent);
    void selectionChanged(int count) override;

Q_SIGNALS:
    void copyRequested();

private:
    QPushButton* copy_;
};

} // namespace vistello
