#pragma once
// The bar across the top: the address box, the command buttons and the
// status text (the date and time when nothing else is to be said).
#include "app/window/frame/BarLayout.h"
#include "app/window/frame/CommandEnabling.h"

#include <QWidget>

class QLabel;
class QToolButton;

namespace vistello {

class AddressField;

class TopBar : public QWidget {
    Q_OBJECT
public:
    explicit TopBar(QWidget* parent);

    void setFullScreenFrame(bool on);
    void updateButtons(const CommandContext& context);
    void setStatusText(const QString& text);
    void setAddress(const QString& folder);
    // Esc while typing: the box shows the folder again.
    void cancelAddressEdit();
    AddressField* addressField() const { return address_; }

Q_SIGNALS:
    void commandChosen(int command);
    void addressEntered(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrange();
    void refreshStatus();

    QLabel* label_;
    AddressField* address_;
    std::vector<QToolButton*> buttons_;
    TopBarLayout layout_;
    QString statusText_; // set by others; empty shows the clock
    QString shownStatus_;
    bool fullScreenFrame_ = false;
};

} // namespace vistello
