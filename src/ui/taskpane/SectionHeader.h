#pragma once
// The header row of a collapsible task-pane section: a click opens or
// closes its content.
#include <QWidget>

namespace vistello {

class SectionHeader : public QWidget {
    Q_OBJECT
public:
    SectionHeader(const QString& title, QWidget* parent);
    bool isOpen() const { return open_; }
    void setOpen(bool open);
    int preferredHeight() const;

Q_SIGNALS:
    void toggled(bool open);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString title_;
    bool open_ = true;
};

} // namespace vistello
