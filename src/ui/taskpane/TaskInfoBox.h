#pragma once
// The slot's boxes without a page: the information box (the picture under
// the pointer, with Copy) and the red-eye step box.
#include <QWidget>

class QLabel;
class QPushButton;

namespace vistello {

class TaskTextBox : public QWidget {
    Q_OBJECT
public:
    // withCopy: a "Copy" button under the text (the information box).
    TaskTextBox(const QString& objectName, bool withCopy, QWidget* parent);
    void setContents(const QString& title, const QString& text);
    QString title() const;

Q_SIGNALS:
    void copyRequested();

private:
    QLabel* title_;
    QLabel* text_;
    QPushButton* copy_ = nullptr;
};

} // namespace vistello
