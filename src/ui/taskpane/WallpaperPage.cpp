#include "ui/taskpane/WallpaperPage.h"

#include "resources/TaskPaneStrings.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {

WallpaperPage::WallpaperPage(int mode, const QString& unsupportedMessage, QWidget* parent)
    : CommandPage(mode, strings::text(strings::kChangeWallpaper), parent)
    , set_(new QPushButton(strings::text(strings::kWallpaperSet), this))
    , reset_(new QPushButton(strings::text(strings::kWallpaperReset), this))
    , supported_(unsupportedMessage.isEmpty())
{
    auto* settings = new QPushButton(strings::text(strings::kWallpaperSettings), this);
    auto* cancel = new QPushButton(strings::text(strings::kWallpaperCancel), this);
    const auto row = [this](const QString& text, QPushButton* button) {
        addText(text);
        auto* line = new QHBoxLayout;
        line->addWidget(button);
        line->addStretch(1);
        body()->addLayout(line);
    };
    row(QStringLiteral("Click on \"Set\" to set the current picture as the new wallpaper:"), set_);
    row(QStringLiteral("Click on \"Reset\" to reset the current wallpaper:"), reset_);
    row(QStringLiteral("Click on \"Settings\" to open the control panel for the display settings:"), settings);
    row(QStringLiteral("Click on \"Cancel\" to leave the wallpaper unchanged:"), cancel);
    if (!supported_)
        addText(unsupportedMessage)->setObjectName(QStringLiteral("wallpaperMessage"));
    connect(set_, &QPushButton::clicked, this, &WallpaperPage::setRequested);
    connect(reset_, &QPushButton::clicked, this, &WallpaperPage::resetRequested);
    connect(settings, &QPushButton::clicked, this, &WallpaperPage::settingsRequested);
    connect(cancel, &QPushButton::clicked, this, &CommandPage::closeRequested);
    updateButtons();
}

void WallpaperPage::setSelectionCount(int count)
{
    selected_ = count;
    updateButtons();
}

void WallpaperPage::setBusy(bool busy)
{
    busy_ = busy;
    updateButtons();
}

void WallpaperPage::updateButtons()
{
    set_->setEnabled(supported_ && !busy_ && selected_ == 1);
    reset_->setEnabled(supported_ && !busy_);
}

} // namespace vistello
