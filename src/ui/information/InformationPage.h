#pragma once
// The information page: about, control keys and command line, from the
// program's resources, with the navigation on the left. "Back" returns to
// the picture style used last.
#include "ui/common/WindowPage.h"

class QTextBrowser;

namespace vistello {

class InformationPage : public WindowPage {
    Q_OBJECT
public:
    explicit InformationPage(QWidget* parent);

Q_SIGNALS:
    void back();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTextBrowser* navigation_;
    QTextBrowser* content_;
};

} // namespace vistello
