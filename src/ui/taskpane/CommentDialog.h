#pragma once
// "Change picture comment": the program comment in the comment list and the
// comment inside the picture file, set or appended for the selected pictures.
#include <QDialog>
#include <QStringList>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vistello {

class PictureLists;
class SettingsStore;

class CommentDialog : public QDialog {
    Q_OBJECT
public:
    // changed: the pictures whose comments were applied, for their views.
    CommentDialog(SettingsStore& store, PictureLists& lists, std::function<void(const QStringList&)> changed,
                  QWidget* parent);

    // Fills the fields for the current selection.
    void refill();

private:
    void follow();
    void apply();

    SettingsStore& store_;
    PictureLists& lists_;
    std::function<void(const QStringList&)> changed_;
    QLabel* heading_;
    QCheckBox* toList_;
    QLineEdit* listText_;
    QCheckBox* toFile_;
    QLineEdit* fileText_;
    QCheckBox* add_;
    QPushButton* ok_;
    QPushButton* apply_;
};

} // namespace vistello
