#pragma once
// "Property for Jpeg picture format": the default luminance and chrominance
// qualities of written JPEG files, each a slider with its field.
#include "jpegedit/jpegwrite/JpegQuality.h"

#include <QDialog>

namespace vistello {

class PictureFileTypes;
class QualitySlider;
class SettingsStore;

class JpegOptionsDialog : public QDialog {
    Q_OBJECT
public:
    JpegOptionsDialog(const JpegQualities& start, QWidget* parent);
    JpegQualities qualities() const;

private:
    QualitySlider* luminance_;
    QualitySlider* chrominance_;
};

// "Format settings..." for a format: its dialog, and on OK its new option
// string stored and handed to it. False when nothing changed (cancelled,
// or the format has no dialog).
bool editFormatSettings(QWidget* parent, SettingsStore& store, const PictureFileTypes& types,
                        const QString& formatName);

} // namespace vistello
