#pragma once
// A JPEG quality: a slider 0-100 with a tick every 10 and a field beside it.
// Moving the slider writes the field; typing a number moves the slider.
#include <QWidget>

class QLineEdit;
class QSlider;

namespace vistello {

class QualitySlider : public QWidget {
    Q_OBJECT
public:
    QualitySlider(int value, QWidget* parent);
    int value() const;

private:
    void sliderMoved(int value);
    void fieldEdited(const QString& text);

    QSlider* slider_;
    QLineEdit* field_;
};

} // namespace vistello
