#include "ui/options/ColourProfileForm.h"

#include "app/window/options/ColourProfileRules.h"
#include "app/window/options/OptionsRules.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "resources/MetaStrings.h"
#include "resources/OptionsStrings.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace vistello {

namespace s = strings;

ColourProfileForm::ColourProfileForm(const OptionsHost& host, QWidget* parent)
    : OptionsForm(s::kColourProfileHeading, 0, host, parent)
    , use_(new QCheckBox(s::text(s::kColourProfileForDisplay), this))
    , path_(new QLineEdit(this))
{
    const int row = grid()->rowCount();
    grid()->addWidget(use_, row, 0);
    grid()->addWidget(path_, row, 1);
    path_->setMinimumWidth(300);
    path_->setAccessibleName(use_->text());
    auto* browseButton = new QPushButton(QStringLiteral("..."), this);
    grid()->addWidget(browseButton, row, 2);
    connect(browseButton, &QPushButton::clicked, this, &ColourProfileForm::browse);
}

void ColourProfileForm::open()
{
    use_->setChecked(host_.store->get(setting::UseDisplayProfile));
    path_->setText(host_.store->get(setting::DisplayProfile));
}

void ColourProfileForm::browse()
{
    FileChoice choice;
    choice.filter = profileDialogFilter(s::text(s::kColourProfileFilter));
    choice.proposedPath = path_->text().isEmpty() ? QString() : QFileInfo(path_->text()).path();
    if (const QString chosen = host_.prompts->chooseOpenFile(choice); !chosen.isEmpty())
        path_->setText(chosen);
}

bool ColourProfileForm::apply(bool leaving)
{
    (void)leaving;
    const ProfileFieldProblem problem = checkProfileField(use_->isChecked(), path_->text());
    if (problem.text) {
        host_.prompts->inform(s::text(problem.title), s::text(problem.text));
        return false;
    }
    applyColourProfile(use_->isChecked(), path_->text(), *host_.store);
    // Bitmaps in the caches keep their colours until made again.
    OptionsEffects effects;
    effects.refreshAll = true;
    host_.carryOut(effects);
    return true;
}

} // namespace vistello
