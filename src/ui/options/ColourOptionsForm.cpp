#include "ui/options/ColourOptionsForm.h"

#include "app/window/frame/SettingColour.h"
#include "resources/OptionsStrings.h"
#include "ui/options/ColourChooser.h"

#include <QGridLayout>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>

namespace vistello {

namespace s = strings;

namespace {

constexpr int kRowLabels[] = {s::kTextColour, s::kBackgroundColour, s::kFullScreenColour};
constexpr ColourRow kRows[] = {ColourRow::Text, ColourRow::Background, ColourRow::FullScreen};

int valueOf(const ColourOptions& colours, int row)
{
    return row == 0 ? colours.text : row == 1 ? colours.background : colours.fullScreen;
}

int settingValue(QColor colour)
{
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

} // namespace

ColourOptionsForm::ColourOptionsForm(const OptionsHost& host, QWidget* parent)
    : OptionsForm(s::kColourHeading, s::kColourText, host, parent)
{
    for (int i = 0; i < 3; ++i) {
        const int row = grid()->rowCount();
        grid()->addWidget(new QLabel(s::text(kRowLabels[i]), this), row, 0);
        swatches_[i] = new QLabel(this);
        swatches_[i]->setFixedSize(40, 20);
        swatches_[i]->setAutoFillBackground(true);
        swatches_[i]->setFrameShape(QFrame::Box);
        grid()->addWidget(swatches_[i], row, 1);
        buttons_[i] = new QPushButton(s::text(s::kChangeColour), this);
        grid()->addWidget(buttons_[i], row, 2);
        connect(buttons_[i], &QPushButton::clicked, this, [this, i] { change(kRows[i]); });
    }
}

void ColourOptionsForm::open()
{
    remembered_ = readColours(*host_.store);
    current_ = remembered_;
    showSwatches();
}

void ColourOptionsForm::showSwatches()
{
    for (int i = 0; i < 3; ++i) {
        QPalette colours = swatches_[i]->palette();
        colours.setColor(QPalette::Window, settingColour(valueOf(current_, i), Qt::black));
        swatches_[i]->setPalette(colours);
    }
}

void ColourOptionsForm::change(ColourRow row)
{
    const int index = row == ColourRow::Text ? 0 : row == ColourRow::Background ? 1 : 2;
    const std::optional<QColor> chosen =
        askForColour(this, settingColour(valueOf(current_, index), Qt::black), *host_.prompts);
    if (!chosen)
        return;
    current_ = chooseColour(current_, row, settingValue(*chosen), *host_.store);
    showSwatches();
    host_.coloursChanged();
}

bool ColourOptionsForm::apply(bool leaving)
{
    (void)leaving;
    // The colours were written when chosen; writing them again would drop
    // the user's own colours kept aside on the seasonal day.
    remembered_ = readColours(*host_.store);
    return true;
}

void ColourOptionsForm::cancel()
{
    restoreColours(remembered_, *host_.store);
    current_ = remembered_;
    showSwatches();
    host_.coloursChanged();
}

QJsonObject ColourOptionsForm::stateJson(const QWidget* window) const
{
    QJsonArray centres;
    for (const QPushButton* button : buttons_) {
        const QPoint centre = button->mapTo(window, button->rect().center());
        centres.append(QJsonArray{centre.x(), centre.y()});
    }
    return {{QStringLiteral("text"), current_.text},
            {QStringLiteral("background"), current_.background},
            {QStringLiteral("fullScreen"), current_.fullScreen},
            {QStringLiteral("buttons"), centres}};
}

} // namespace vistello
