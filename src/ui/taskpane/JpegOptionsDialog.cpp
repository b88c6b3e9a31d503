#include "ui/taskpane/JpegOptionsDialog.h"

#include "app/window/taskpane/FormatOptions.h"
#include "resources/EditPageStrings.h"
#include "ui/taskpane/QualitySlider.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vistello {

JpegOptionsDialog::JpegOptionsDialog(const JpegQualities& start, QWidget* parent)
    : QDialog(parent)
    , luminance_(new QualitySlider(start.luminance, this))
    , chrominance_(new QualitySlider(start.chrominance, this))
{
    setWindowTitle(strings::text(strings::kJpegOptionsTitle));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(strings::text(strings::kJpegQualityDefault), this);
    heading->setTextFormat(Qt::PlainText);
    layout->addWidget(heading);
    auto* grid = new QGridLayout;
    auto* luminance = new QLabel(strings::text(strings::kLuminance), this);
    auto* chrominance = new QLabel(strings::text(strings::kChrominance), this);
    luminance->setTextFormat(Qt::PlainText);
    chrominance->setTextFormat(Qt::PlainText);
    grid->addWidget(luminance, 0, 0);
    grid->addWidget(luminance_, 0, 1);
    grid->addWidget(chrominance, 1, 0);
    grid->addWidget(chrominance_, 1, 1);
    grid->setColumnMinimumWidth(1, 200);
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

JpegQualities JpegOptionsDialog::qualities() const
{
    return {luminance_->value(), chrominance_->value()};
}

bool editFormatSettings(QWidget* parent, SettingsStore& store, const PictureFileTypes& types,
                        const QString& formatName)
{
    if (!formatHasOptionsDialog(formatName))
        return editPluginFormatSettings(store, types, formatName);
    JpegOptionsDialog dialog(parseJpegOptions(formatOptions(store, formatName)), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    storeFormatOptions(store, types, formatName, formatJpegOptions(dialog.qualities()));
    return true;
}

} // namespace vistello
