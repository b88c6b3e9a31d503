#include "ui/taskpane/ResizeOptionsPanel.h"

#include "core/settings/SettingsStore.h"
#include "jpegedit/resize/ResizeRules.h"
#include "resources/EditPageStrings.h"
#include "ui/taskpane/QualitySlider.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace vistello {

namespace {

QLabel* label(int id, QWidget* parent)
{
    auto* text = new QLabel(strings::text(id), parent);
    text->setTextFormat(Qt::PlainText);
    return text;
}

} // namespace

ResizeOptionsPanel::ResizeOptionsPanel(SettingsStore& store, const QString& key, QWidget* parent)
    : QWidget(parent)
    , store_(store)
    , key_(key)
    , shown_(withTwoOptionsTicked(validResizeSettings(store.getRecord(key, ResizeSettings{}))))
    , newSize_(new QCheckBox(strings::text(strings::kResizeNewSize), this))
    , fixedSize_(new QRadioButton(this))
    , relative_(new QRadioButton(this))
    , width_(numberField(QStringLiteral("\\d{0,5}")))
    , height_(numberField(QStringLiteral("\\d{0,5}")))
    , percent_(numberField(QStringLiteral("\\d{0,5}([.,]\\d{0,6})?")))
    , qualityLevel_(new QCheckBox(strings::text(strings::kResizeQualityLevel), this))
    , luminance_(new QualitySlider(shown_.lumaQuality, this))
    , chrominance_(new QualitySlider(shown_.chromaQuality, this))
    , fileSize_(new QCheckBox(strings::text(strings::kResizeFileSize), this))
    , kilobytes_(numberField(QStringLiteral("\\d{0,7}")))
{
    const ResizePanelFields fields = resizePanelFields(shown_);
    width_->setText(fields.width);
    height_->setText(fields.height);
    percent_->setText(fields.percent);
    kilobytes_->setText(fields.kilobytes);
    fixedSize_->setObjectName(QStringLiteral("fixedSize"));
    relative_->setObjectName(QStringLiteral("relativeSize"));
    // The rules decide every mark: a click only reports itself.
    fixedSize_->setAutoExclusive(false);
    relative_->setAutoExclusive(false);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setColumnMinimumWidth(0, 10);
    grid->addWidget(newSize_, 0, 0, 1, 6);
    grid->addWidget(fixedSize_, 1, 1);
    grid->addWidget(width_, 1, 2);
    grid->addWidget(label(strings::kResizeTimes, this), 1, 3);
    grid->addWidget(height_, 1, 4);
    grid->addWidget(label(strings::kResizePixel, this), 1, 5);
    grid->addWidget(relative_, 2, 1);
    grid->addWidget(percent_, 2, 2);
    grid->addWidget(label(strings::kResizePercentSign, this), 2, 3);
    grid->addWidget(qualityLevel_, 3, 0, 1, 6);
    grid->addWidget(label(strings::kLuminance, this), 4, 1, 1, 2);
    grid->addWidget(luminance_, 4, 3, 1, 3);
    grid->addWidget(label(strings::kChrominance, this), 5, 1, 1, 2);
    grid->addWidget(chrominance_, 5, 3, 1, 3);
    grid->addWidget(fileSize_, 6, 0, 1, 2);
    grid->addWidget(kilobytes_, 6, 2);
    grid->addWidget(label(strings::kResizeKilobytes, this), 6, 3);
    grid->setColumnStretch(6, 1);

    connect(newSize_, &QCheckBox::clicked, this, [this] { click(ResizePanelClick::NewSize); });
    connect(qualityLevel_, &QCheckBox::clicked, this, [this] { click(ResizePanelClick::QualityLevel); });
    connect(fileSize_, &QCheckBox::clicked, this, [this] { click(ResizePanelClick::FileSize); });
    connect(fixedSize_, &QRadioButton::clicked, this, [this] { click(ResizePanelClick::FixedSize); });
    connect(relative_, &QRadioButton::clicked, this, [this] { click(ResizePanelClick::Relative); });
    refresh();
}

ResizeOptionsPanel::~ResizeOptionsPanel()
{
    // Whichever way the page closes, what was typed is kept.
    store_.setRecord(key_, record());
}

QLineEdit* ResizeOptionsPanel::numberField(const QString& pattern)
{
    auto* field = new QLineEdit(this);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 10);
    return field;
}

ResizeSettings ResizeOptionsPanel::record() const
{
    ResizePanelFields fields;
    fields.width = width_->text();
    fields.height = height_->text();
    fields.percent = QString(percent_->text()).replace(QLatin1Char(','), QLatin1Char('.'));
    fields.kilobytes = kilobytes_->text();
    fields.luminance = luminance_->value();
    fields.chrominance = chrominance_->value();
    return readResizePanel(shown_, fields);
}

void ResizeOptionsPanel::setPicturesPresent(bool present)
{
    picturesPresent_ = present;
    refresh();
}

void ResizeOptionsPanel::click(ResizePanelClick click)
{
    shown_ = afterPanelClick(shown_, click);
    refresh();
}

void ResizeOptionsPanel::refresh()
{
    shown_ = withTwoOptionsTicked(shown_);
    const ResizePanelControls controls = resizePanelControls(shown_, picturesPresent_);
    newSize_->setChecked(shown_.enabled);
    qualityLevel_->setChecked(shown_.qualityGiven);
    fileSize_->setChecked(shown_.sizeLimitGiven);
    fixedSize_->setChecked(shown_.fixedSize);
    relative_->setChecked(!shown_.fixedSize);
    fixedSize_->setEnabled(controls.radios);
    relative_->setEnabled(controls.radios);
    width_->setEnabled(controls.boxFields);
    height_->setEnabled(controls.boxFields);
    percent_->setEnabled(controls.percentField);
    luminance_->setEnabled(controls.qualities);
    chrominance_->setEnabled(controls.qualities);
    kilobytes_->setEnabled(controls.fileSizeField);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setVisible(controls.shown);
}

} // namespace vistello
