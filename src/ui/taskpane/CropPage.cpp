#include "ui/taskpane/CropPage.h"

#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "resources/CropPageStrings.h"
#include "resources/EditPageStrings.h"
#include "ui/taskpane/TaskPageContext.h"

#include <QComboBox>
#include <QFrame>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vistello {

namespace {

constexpr int kSettleMs = 3000; // the short form is read once more after typing stops
constexpr int kShortFormWidth = 135;

// Replaces an edit's text only when it differs, keeping the caret.
void showText(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text)
        return;
    const int caret = edit->cursorPosition();
    const QSignalBlocker quiet(edit);
    edit->setText(text);
    edit->setCursorPosition(std::min(caret, int(text.size())));
}

QPushButton* toggle(const QString& text, QWidget* owner)
{
    auto* button = new QPushButton(text, owner);
    button->setCheckable(true);
    return button;
}

} // namespace

CropPage::CropPage(int mode, const TaskPageContext& context, QWidget* parent)
    : CommandPage(mode, strings::text(strings::kCropHeading), parent)
    , store_(context.store)
    , ratioZ_(new QLineEdit(this))
    , ratioN_(new QLineEdit(this))
    , lock_(toggle(QStringLiteral("Set aspect ratio"), this))
    , presets_(new QComboBox(this))
{
    auto* form = new QFormLayout;
    const char* labels[] = {"Width:", "Height:", "Distance left:", "Distance top:"};
    const char* names[] = {"cropWidth", "cropHeight", "cropLeft", "cropTop"};
    for (int i = 0; i < 4; ++i) {
        edits_[i] = new QLineEdit(this);
        edits_[i]->setObjectName(QLatin1String(names[i]));
        notes_[i] = new QLabel(this);
        auto* row = new QHBoxLayout;
        row->addWidget(edits_[i], 1);
        row->addWidget(notes_[i]);
        auto* label = new QLabel(QString::fromLatin1(labels[i]), this);
        label->setBuddy(edits_[i]);
        form->addRow(label, row);
    }
    edits_[4] = new QLineEdit(this);
    edits_[4]->setObjectName(QStringLiteral("cropShortForm"));
    edits_[4]->setFixedWidth(kShortFormWidth);
    auto* shortLabel = new QLabel(QStringLiteral("Short form:"), this);
    shortLabel->setBuddy(edits_[4]);
    form->addRow(shortLabel, edits_[4]);
    body()->addLayout(form);
    for (int i = 0; i < 5; ++i)
        connect(edits_[i], &QLineEdit::textEdited, this, [this, i] { typed(i + 1); });

    auto* ratioRow = new QHBoxLayout;
    auto* fraction = new QVBoxLayout;
    fraction->addWidget(ratioZ_);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    fraction->addWidget(line);
    fraction->addWidget(ratioN_);
    presets_->addItems({QStringLiteral("1:1"), QStringLiteral("2:3"), QStringLiteral("3:4"), QStringLiteral("9:13")});
    presets_->setToolTip(strings::text(strings::kCropPresetTip));
    ratioRow->addWidget(lock_);
    ratioRow->addLayout(fraction);
    ratioRow->addWidget(presets_);
    body()->addLayout(ratioRow);
    connect(lock_, &QPushButton::clicked, this, &CropPage::lockToggled);
    connect(presets_, &QComboBox::activated, this, &CropPage::presetChosen);

    auto* thumbs = toggle(QStringLiteral("Modify thumbnail image"), this);
    thumbs->setToolTip(strings::text(strings::kCropThumbnailTip));
    thumbs->setChecked(store_.get(setting::CropModifyExifImage));
    auto* copy = toggle(strings::text(strings::kResizeMakeCopy), this);
    copy->setToolTip(QStringLiteral("Click here to save the changed picture as a copy. the original will be changed "
                                    "if you deactivate this function."));
    copy->setChecked(store_.get(setting::CropMakeCopy));
    body()->addWidget(thumbs);
    body()->addWidget(copy);
    connect(thumbs, &QPushButton::toggled, this, [this](bool on) { store_.set(setting::CropModifyExifImage, on); });
    connect(copy, &QPushButton::toggled, this, [this](bool on) { store_.set(setting::CropMakeCopy, on); });

    auto* crop = new QPushButton(QStringLiteral("Crop"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    const int width = std::max(crop->sizeHint().width(), cancel->sizeHint().width()) + 16;
    crop->setFixedWidth(width);
    cancel->setFixedWidth(width);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(crop);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    body()->addLayout(buttons);
    connect(crop, &QPushButton::clicked, this, [this] {
        applying_ = true;
        Q_EMIT applyRequested();
    });
    connect(cancel, &QPushButton::clicked, this, &CropPage::cancelRequested);

    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] { normalise(int(CropEdit::ShortForm)); });
}

void CropPage::start(const CropFrame& frame, const CropRatio& ratio, const CropSelection& selection)
{
    rules_.emplace(frame, ratio);
    rules_->fromViewer(selection);
    show();
}

void CropPage::fromViewer(const CropSelection& selection)
{
    if (!rules_)
        return;
    rules_->fromViewer(selection);
    show();
}

const CropSelection& CropPage::selection() const
{
    static const CropSelection none;
    return rules_ ? rules_->selection() : none;
}

const CropRatio& CropPage::ratio() const
{
    static const CropRatio none;
    return rules_ ? rules_->ratio() : none;
}

void CropPage::typed(int id)
{
    settle_.start();
    normalise(id);
}

void CropPage::normalise(int id)
{
    if (!rules_)
        return;
    std::array<QString, 5> texts;
    for (int i = 0; i < 5; ++i)
        texts[i] = edits_[i]->text();
    rules_->typed(id, texts, edits_[4]->hasSelectedText() ? edits_[4]->selectionStart() : edits_[4]->cursorPosition());
    show();
    Q_EMIT edited(rules_->selection(), rules_->ratio());
}

void CropPage::show()
{
    const CropFieldTexts t = rules_->texts();
    for (int i = 0; i < 5; ++i)
        showText(edits_[i], t.values[i]);
    notes_[0]->setText(t.widthNote);
    notes_[1]->setText(t.heightNote);
    notes_[2]->setText(t.leftNote);
    notes_[3]->setText(t.topNote);
    showText(ratioZ_, t.ratioZ);
    showText(ratioN_, t.ratioN);
    const bool locked = rules_->ratio().locked;
    lock_->setChecked(locked);
    ratioZ_->setEnabled(!locked);
    ratioN_->setEnabled(!locked);
}

void CropPage::lockToggled()
{
    if (!rules_)
        return;
    rules_->toggleLock(ratioZ_->text(), ratioN_->text());
    show();
    Q_EMIT edited(rules_->selection(), rules_->ratio());
}

void CropPage::presetChosen(int entry)
{
    if (!rules_)
        return;
    rules_->choosePreset(entry);
    show();
    Q_EMIT edited(rules_->selection(), rules_->ratio());
}

QJsonObject CropPage::fieldsJson() const
{
    QJsonArray values;
    for (const QLineEdit* edit : edits_)
        values.append(edit->text());
    return {{QStringLiteral("values"), values},
            {QStringLiteral("ratio"), QJsonArray{ratioZ_->text(), ratioN_->text()}},
            {QStringLiteral("locked"), lock_->isChecked()}};
}

} // namespace vistello
