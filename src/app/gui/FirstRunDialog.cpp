#include "app/gui/FirstRunDialog.h"

#include "core/settings/SettingsStore.h"
#include "resources/StringTable.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {
namespace {

constexpr int kMakeShortcutsId = 34106;
constexpr int kSettingsHintId = 34107;
constexpr int kSettingsButtonId = 34108;

QLabel* plainLabel(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

FirstRunDialog::FirstRunDialog(const DisplayCheckTexts& check, const QStringList& displaySettings, QWidget* parent)
    : QDialog(parent)
    , displaySettings_(displaySettings)
{
    setWindowTitle(QString::fromLatin1(SettingsStore::kProductName));
    auto* layout = new QVBoxLayout(this);

    shortcuts_ = new QCheckBox(strings::text(kMakeShortcutsId), this);
    shortcuts_->setObjectName(QStringLiteral("makeShortcuts"));
    shortcuts_->setChecked(true);
    layout->addWidget(shortcuts_);

    QFont bold = font();
    bold.setWeight(QFont::Bold);
    QLabel* problems = plainLabel(check.problems, "displayProblems", this);
    problems->setFont(bold);
    problems->setStyleSheet(QStringLiteral("color: #c00000;"));
    problems->setVisible(!check.problems.isEmpty());
    QLabel* confirmations = plainLabel(check.confirmations, "displayConfirmations", this);
    confirmations->setFont(bold);
    confirmations->setVisible(!check.confirmations.isEmpty());
    layout->addWidget(problems);
    layout->addWidget(confirmations);

    auto* settingsRow = new QHBoxLayout;
    QLabel* hint = plainLabel(strings::text(kSettingsHintId), "displaySettingsHint", this);
    auto* settings = new QPushButton(strings::text(kSettingsButtonId), this);
    settings->setObjectName(QStringLiteral("displaySettings"));
    settingsRow->addWidget(hint, 1);
    settingsRow->addWidget(settings);
    layout->addLayout(settingsRow);
    hint->setVisible(!displaySettings_.isEmpty());
    settings->setVisible(!displaySettings_.isEmpty());
    connect(settings, &QPushButton::clicked, this, &FirstRunDialog::openDisplaySettings);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool FirstRunDialog::makeShortcutsChecked() const
{
    return shortcuts_->isChecked();
}

void FirstRunDialog::openDisplaySettings()
{
    if (!displaySettings_.isEmpty())
        QProcess::startDetached(displaySettings_.first(), displaySettings_.mid(1));
}

} // namespace vistello
