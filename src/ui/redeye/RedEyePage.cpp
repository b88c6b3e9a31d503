#include "ui/redeye/RedEyePage.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "resources/EditPageStrings.h"
#include "resources/OrganizeStrings.h"
#include "resources/RedEyePageStrings.h"
#include "ui/redeye/RedEyeView.h"

#include <QApplication>
#include <QCheckBox>
#include <QHideEvent>
#include <QJsonArray>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

namespace vistello {

namespace {

int stepText(int step)
{
    switch (step) {
    case 2:
    case 4: return strings::kRedEyeStepRemove;
    case 3: return strings::kRedEyeStepNext;
    case 5: return strings::kRedEyeStepSave;
    default: return strings::kRedEyeStepSelect;
    }
}

QString text(int id) { return strings::text(id); }

} // namespace

RedEyePage::RedEyePage(SettingsStore& store, Prompts& prompts, RedEyeHost host, QWidget* parent)
    : WindowPage(parent),
      store_(store),
      prompts_(prompts),
      host_(std::move(host)),
      view_(new RedEyeView(session_, this)),
      remove_(new QPushButton(text(strings::kRedEyeRemove), this)),
      reset_(new QPushButton(text(strings::kRedEyeReset), this)),
      slider_(new QSlider(Qt::Horizontal, this)),
      field_(new QSpinBox(this)),
      save_(new QPushButton(text(strings::kRedEyeSave), this)),
      cancel_(new QPushButton(text(strings::kRedEyeCancel), this)),
      makeCopy_(new QCheckBox(text(strings::kResizeMakeCopy), this))
{
    setObjectName(QStringLiteral("redEyePage"));
    auto* intensity = new QLabel(text(strings::kRedEyeIntensity), this);
    intensity->setObjectName(QStringLiteral("intensityLabel"));
    intensity->setBuddy(field_);
    remove_->setToolTip(text(strings::kRedEyeRemoveTip));
    reset_->setToolTip(text(strings::kRedEyeResetTip));
    makeCopy_->setToolTip(text(strings::kRedEyeMakeCopyTip));
    slider_->setRange(kMinRedEyeIntensity, kMaxRedEyeIntensity);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setTickInterval(4);
    field_->setRange(kMinRedEyeIntensity, kMaxRedEyeIntensity);
    field_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    field_->setAlignment(Qt::AlignRight);
    connect(slider_, &QSlider::valueChanged, field_, &QSpinBox::setValue);
    connect(field_, &QSpinBox::valueChanged, slider_, &QSlider::setValue);
    connect(view_, &RedEyeView::selectionFinished, this, &RedEyePage::refresh);
    connect(remove_, &QPushButton::clicked, this, &RedEyePage::removeRedEyes);
    connect(reset_, &QPushButton::clicked, this, &RedEyePage::reset);
    connect(save_, &QPushButton::clicked, this, &RedEyePage::save);
    connect(cancel_, &QPushButton::clicked, this, [this] { host_.leave(); });
}

void RedEyePage::showStyle(uint64_t /*style*/)
{
    enter();
}

void RedEyePage::enter()
{
    release();
    const QStringList pictures = host_.workingSet();
    QString error;
    if (pictures.size() != 1 || !session_.open(pictures.first(), store_.get(setting::Orientation), &error)) {
        if (!error.isEmpty())
            prompts_.inform(QString::fromLatin1(SettingsStore::kProductName), error);
        // Not from inside the switch that shows this page.
        QTimer::singleShot(0, this, [this] {
            if (!session_.active())
                host_.leave();
        });
        refresh();
        return;
    }
    session_.setIntensity(store_.get(setting::RAIntensityLevel));
    slider_->setValue(session_.intensity());
    makeCopy_->setChecked(store_.get(setting::RAMakeCopy));
    view_->pictureChanged();
    refresh();
}

void RedEyePage::release()
{
    session_.close();
    shownStep_ = 0;
    host_.setSteps({}, {});
    view_->pictureChanged();
}

void RedEyePage::hideEvent(QHideEvent* event)
{
    // Hidden by the window's switch (not with a minimised window): the mode ends.
    if (isHidden() && session_.active())
        release();
    WindowPage::hideEvent(event);
}

void RedEyePage::refresh()
{
    const RedEyeControls& c = session_.steps().controls();
    const bool on = session_.active();
    remove_->setEnabled(on && c.remove);
    reset_->setEnabled(on && c.reset);
    slider_->setEnabled(on && c.intensity);
    field_->setEnabled(on && c.intensity);
    save_->setEnabled(on && c.save);
    view_->update();
    const int step = on ? session_.steps().step() : 0;
    if (step == shownStep_)
        return;
    shownStep_ = step;
    if (step > 0)
        host_.setSteps(text(strings::kRedEyeStepTitle).replace(QStringLiteral("%d"), QString::number(step)),
                       text(stepText(step)));
}

void RedEyePage::removeRedEyes()
{
    session_.setIntensity(slider_->value());
    store_.setInt(SettingsStore::name(setting::RAIntensityLevel), session_.intensity());
    session_.removeRedEyes();
    refresh();
}

void RedEyePage::reset()
{
    session_.reset();
    refresh();
}

void RedEyePage::save()
{
    if (!session_.active())
        return;
    const bool makeCopy = makeCopy_->isChecked();
    store_.setBool(SettingsStore::name(setting::RAMakeCopy), makeCopy);
    store_.setInt(SettingsStore::name(setting::RAIntensityLevel), slider_->value());
    RedEyeSaveOptions options;
    options.makeCopy = makeCopy;
    options.copyOriginal = store_.get(setting::CopyOriginal);
    const PictureFileTypes& types = PictureFileTypes::instance();
    if (const PictureFileType* type = types.typeOf(session_.path()))
        options.formatOptions = store_.getString(type->formatName + QStringLiteral("_property"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const RedEyeSaveResult saved = saveRedEye(types, session_.path(), session_.picture(), session_.orientation(), options);
    QApplication::restoreOverrideCursor();
    switch (saved.status) {
    case RedEyeSaveStatus::Written:
        host_.written(saved.targetPath, makeCopy);
        host_.leave();
        return;
    case RedEyeSaveStatus::Unchanged: host_.leave(); return;
    default: break;
    }
    // The corrections stay, so that the user can save them elsewhere.
    QString message = strings::formatInserts(text(strings::kPastedPictureNotWritten), {saved.targetPath});
    if (!saved.message.isEmpty())
        message += QLatin1Char('\n') + saved.message;
    prompts_.inform(QString::fromLatin1(SettingsStore::kProductName), message);
}

QJsonObject RedEyePage::stateJson() const
{
    QJsonObject state = session_.stateJson();
    const QPoint origin = view_->mapTo(window(), QPoint(0, 0));
    state.insert(QStringLiteral("view"), QJsonArray{origin.x(), origin.y(), view_->width(), view_->height()});
    state.insert(QStringLiteral("stepTitle"), shownStep_ > 0 ? text(strings::kRedEyeStepTitle).replace(
                                                                   QStringLiteral("%d"), QString::number(shownStep_))
                                                             : QString());
    state.insert(QStringLiteral("buttons"),
                 QJsonObject{{QStringLiteral("remove"), remove_->isEnabled()},
                             {QStringLiteral("reset"), reset_->isEnabled()},
                             {QStringLiteral("save"), save_->isEnabled()},
                             {QStringLiteral("makeCopy"), makeCopy_->isChecked()}});
    return state;
}

void RedEyePage::resizeEvent(QResizeEvent* /*event*/)
{
    layoutControls();
}

void RedEyePage::layoutControls()
{
    QFont caption = font();
    caption.setBold(true);
    caption.setPointSizeF(caption.pointSizeF() * 1.5);
    const QFontMetrics captionMetrics(caption);
    const QFontMetrics metrics(font());
    const int e = metrics.height();
    const int r = e + 4;
    const int d = captionMetrics.height();
    captionHeight_ = d;
    const int viewHeight = std::max(0, height() - 4 * e - d - 66);
    view_->setGeometry(10, d + 29, std::max(0, width() - 21), viewHeight);
    const int row1 = d + 29 + viewHeight + 2 * r - 10;
    separatorY_ = row1 - 8;
    const int buttonHeight = e + 8;
    const int removeWidth = metrics.horizontalAdvance(remove_->text()) + 16;
    const int resetWidth = metrics.horizontalAdvance(reset_->text()) + 16;
    remove_->setGeometry(10, row1, removeWidth, buttonHeight);
    const int resetX = 10 + removeWidth + 20;
    reset_->setGeometry(resetX, row1, resetWidth, buttonHeight);
    auto* label = findChild<QLabel*>(QStringLiteral("intensityLabel"));
    const int labelX = resetX + resetWidth + 30;
    const int labelWidth = metrics.horizontalAdvance(label->text()) + 4;
    label->setGeometry(labelX, row1, labelWidth, buttonHeight);
    slider_->setGeometry(labelX + labelWidth, row1, 100, r);
    field_->setGeometry(labelX + labelWidth + 105, row1 + 2, 30 + 14, r - 4 + 6);
    const int row2 = row1 + 2 * r;
    const int wide = std::max(metrics.horizontalAdvance(save_->text()), metrics.horizontalAdvance(cancel_->text())) + 16;
    save_->setGeometry(10, row2, wide, buttonHeight);
    cancel_->setGeometry(30 + wide, row2, wide, buttonHeight);
    makeCopy_->setGeometry(std::max(labelX, wide + 50 + 30 + wide), row2,
                           metrics.horizontalAdvance(makeCopy_->text()) + 25, buttonHeight);
    update();
}

void RedEyePage::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    QFont caption = font();
    caption.setBold(true);
    caption.setPointSizeF(caption.pointSizeF() * 1.5);
    painter.setFont(caption);
    painter.drawText(QRect(10, 10, width() - 20, captionHeight_), Qt::AlignLeft | Qt::AlignTop,
                     text(strings::kRedEyeRemove));
    if (width() > 20)
        painter.drawLine(10, captionHeight_ + 17, width() - 11, captionHeight_ + 17);
    painter.setPen(QColor(192, 192, 192));
    painter.drawLine(10, separatorY_, width() - 10, separatorY_);
}

} // namespace vistello
