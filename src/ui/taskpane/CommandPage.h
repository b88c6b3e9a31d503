#pragma once
// The base of every page in the task pane's slot: its heading, the
// selection status and the page's own controls below. The page only shows
// and forwards; the controller decides.
#include <QJsonObject>
#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace vistello {

class CommandPage : public QWidget {
    Q_OBJECT
public:
    CommandPage(int mode, const QString& heading, QWidget* parent);

    int mode() const { return mode_; }
    QString heading() const;
    QString status() const;
    void setStatus(const QString& status);
    // The selection changed: the status is set anew, pages may enable buttons.
    virtual void selectionChanged(int /*count*/) {}
    // The page's field texts for a scripted run's state (none by default).
    virtual QJsonObject fieldsJson() const { return {}; }

Q_SIGNALS:
    void closeRequested();

protected:
    QVBoxLayout* body() const { return body_; }
    // A text that wraps with the pane's width.
    QLabel* addText(const QString& text);

private:
    int mode_;
    QLabel* heading_;
    QLabel* status_;
    QVBoxLayout* body_;
};

} // namespace vistello
