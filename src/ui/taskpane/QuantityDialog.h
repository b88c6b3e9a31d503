#pragma once
// Asks how often the selected pictures go on the index sheets. OK is
// available only for a quantity the action list accepts (1 to 999).
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vistello {

class QuantityDialog : public QDialog {
    Q_OBJECT
public:
    QuantityDialog(int preset, QWidget* parent);
    int quantity() const;

private:
    QLineEdit* field_;
    QPushButton* ok_;
};

} // namespace vistello
