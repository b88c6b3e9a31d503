#include "ui/frame/TopBar.h"

#include "app/window/frame/CommandIds.h"
#include "resources/StringTable.h"
#include "ui/folders/AddressField.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace vistello {

namespace {

constexpr int kAddressWidth = 260;
constexpr int kClockText = 32948;

struct ButtonLook {
    int command;
    QStyle::StandardPixmap icon;
    const char* toolTip;
};

constexpr ButtonLook kButtons[] = {
    {command::PreviousPicture, QStyle::SP_ArrowLeft, "Previous Picture"},
    {command::NextPicture, QStyle::SP_ArrowRight, "Next Picture"},
    {command::Update, QStyle::SP_BrowserReload, "Update"},
    {command::PictureOnly, QStyle::SP_TitleBarMaxButton, "Full Screen"},
    {command::ChangeView, QStyle::SP_FileDialogListView, "Change view"},
    {command::AutoShow, QStyle::SP_MediaPlay, "Start/Stop auto show"},
    {command::FullScreenFrame, QStyle::SP_DesktopIcon, "Full screen mode for main window"},
    {command::MinimizeWindow, QStyle::SP_TitleBarMinButton, "Minimize main window"},
    {command::NormalFrame, QStyle::SP_TitleBarNormalButton, "Normal window mode for main window"},
    {command::Exit, QStyle::SP_TitleBarCloseButton, "Exit (Alt+F4)"},
};

} // namespace

TopBar::TopBar(QWidget* parent)
    : QWidget(parent), label_(new QLabel(QStringLiteral("Address:"), this)), address_(new AddressField(this))
{
    setObjectName(QStringLiteral("topBar"));
    label_->setTextFormat(Qt::PlainText);
    address_->setToolTip(QStringLiteral("Enter the folder you want to select.\nExistent entries can be deleted with ':r'."));
    connect(address_, &AddressField::submitted, this, &TopBar::addressEntered);
    for (const ButtonLook& look : kButtons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("button%1").arg(look.command));
        button->setIcon(style()->standardIcon(look.icon));
        button->setIconSize({14, 14});
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(QString::fromLatin1(look.toolTip));
        button->setProperty("command", look.command);
        connect(button, &QToolButton::clicked, this, [this, id = look.command] { Q_EMIT commandChosen(id); });
        buttons_.push_back(button);
    }
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &TopBar::refreshStatus);
    clock->start(1000);
    refreshStatus();
}

void TopBar::setFullScreenFrame(bool on)
{
    fullScreenFrame_ = on;
    arrange();
}

void TopBar::updateButtons(const CommandContext& context)
{
    for (QToolButton* button : buttons_)
        button->setEnabled(commandEnabled(button->property("command").toInt(), context));
}

void TopBar::setStatusText(const QString& text)
{
    statusText_ = text;
    refreshStatus();
}

void TopBar::setAddress(const QString& folder)
{
    address_->showFolder(folder);
}

void TopBar::cancelAddressEdit()
{
    address_->cancelEdit();
}

void TopBar::refreshStatus()
{
    QString text = statusText_;
    if (text.isEmpty()) {
        const QLocale locale = QLocale::system();
        const QDateTime now = QDateTime::currentDateTime();
        text = strings::text(kClockText);
        text.replace(text.indexOf(QLatin1String("%s")), 2, locale.toString(now.date(), QLocale::LongFormat));
        text.replace(text.indexOf(QLatin1String("%s")), 2, locale.toString(now.time(), QLocale::ShortFormat));
    }
    if (text != shownStatus_) {
        shownStatus_ = text;
        update();
    }
}

void TopBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void TopBar::arrange()
{
    layout_ = layoutTopBar(width(), label_->sizeHint().width(), kAddressWidth, fullScreenFrame_);
    label_->setGeometry(layout_.label);
    address_->setGeometry(layout_.address);
    for (QToolButton* button : buttons_)
        button->hide();
    for (const BarButton& placed : layout_.buttons) {
        for (QToolButton* button : buttons_) {
            if (button->property("command").toInt() == placed.command) {
                button->setGeometry(placed.rect);
                button->show();
            }
        }
    }
    update();
}

void TopBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    for (const int x : layout_.separators)
        painter.drawLine(x, 2, x, 22);
    // Only a status text that fits is drawn.
    const int end = fullScreenFrame_ ? width() - 80 : width();
    const QFontMetrics metrics(font());
    if (layout_.statusX + metrics.horizontalAdvance(shownStatus_) <= end) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(layout_.statusX, 5 + metrics.ascent(), shownStatus_);
    }
}

} // namespace vistello
