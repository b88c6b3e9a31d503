#pragma once
// A page that later work fills in: its title in the middle.
#include "ui/common/WindowPage.h"

namespace vistello {

class PlaceholderPage : public WindowPage {
    Q_OBJECT
public:
    PlaceholderPage(const QString& title, QWidget* parent);
    void showStyle(uint64_t style) override;
    QString title() const { return title_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
};

} // namespace vistello
