#include "ui/pictureinfo/BinaryViewPage.h"

#include "core/settings/SettingsStore.h"
#include "jpegmeta/binaryview/BinaryText.h"
#include "ui/common/FlatScrollBar.h"

#include <QActionGroup>
#include <QJsonArray>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace vistello {

namespace {

const QColor kAddressColour(0, 0, 128);
const QColor kDigitColour(128, 0, 0);
const QColor kMarkerColour(255, 0, 0);
const QColor kMarkerBackground(192, 192, 192);
const QColor kCharacterColour(0, 128, 0);

QFont binaryFont(int pixelHeight)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixelHeight);
    return font;
}

int widestAdvance(const QFontMetrics& metrics, QStringView characters)
{
    int widest = 0;
    for (const QChar c : characters)
        widest = std::max(widest, metrics.horizontalAdvance(c));
    return widest;
}

QJsonArray rectJson(QRect r) { return {r.x(), r.y(), r.width(), r.height()}; }

// One character per cell; a run of digits in one call when the font's own advance is the cell.
void drawCells(QPainter& painter, int x, int baseline, const QString& text, qsizetype from, qsizetype count,
               int cell, bool wholeRuns)
{
    if (wholeRuns) {
        painter.drawText(x, baseline, text.mid(from, count));
        return;
    }
    for (qsizetype k = 0; k < count; ++k)
        painter.drawText(x + int(k) * cell, baseline, QString(text[from + k]));
}

} // namespace

BinaryViewPage::BinaryViewPage(QWidget* parent)
    : QWidget(parent), bar_(new FlatScrollBar(Qt::Vertical, this)), menu_(new QMenu(this))
{
    setObjectName(QStringLiteral("binaryView"));
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    auto* sizes = new QActionGroup(menu_);
    for (const BinaryFontSize& size : kBinaryFontSizes) {
        QAction* action = menu_->addAction(QString::fromUtf16(size.label));
        action->setCheckable(true);
        action->setData(size.setting);
        sizes->addAction(action);
        connect(action, &QAction::triggered, this, [this, setting = size.setting] { setFontSize(setting); });
    }
    connect(bar_, &QScrollBar::actionTriggered, this, &BinaryViewPage::barAction);
    connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (value != scroll_.barValue(top_))
            scrollTo(scroll_.topForBar(value));
    });
    relayout();
}

void BinaryViewPage::setSettings(SettingsStore* settings)
{
    settings_ = settings;
    if (settings_)
        options_ = BinaryViewOptions::load(*settings_);
    relayout();
}

void BinaryViewPage::optionsChanged()
{
    if (settings_)
        options_.store(*settings_);
    relayout();
}

void BinaryViewPage::setFontSize(int setting)
{
    options_.fontSize = setting;
    optionsChanged();
}

void BinaryViewPage::showFile(const QString& path, bool force)
{
    if (path == path_ && !force)
        return;
    path_ = path;
    if (path.isEmpty() || !file_.open(path))
        file_.close();
    top_ = 0;
    relayout();
}

void BinaryViewPage::relayout()
{
    font_ = binaryFont(options_.font().pixelHeight);
    const QFontMetrics fm(font_);
    ascent_ = fm.ascent();
    BinaryMetrics metrics;
    metrics.cellWidth = std::max(widestAdvance(fm, u"0123456789abcdef"), 4);
    metrics.charWidth = std::max(widestAdvance(fm, u"MW@"), metrics.cellWidth);
    metrics.lineHeight = fm.height();
    wholeRuns_ = QFontInfo(font_).fixedPitch() && fm.horizontalAdvance(u'0') == metrics.cellWidth;
    layout_ = layoutBinaryView(width() - FlatScrollBar::Thickness, height(), metrics, options_.digits,
                               addressCells(file_.size(), options_.decimalAddress));
    scroll_ = BinaryScroll(file_.size(), layout_.bytesPerLine, layout_.visibleLines);
    bar_->setGeometry(width() - FlatScrollBar::Thickness, 0, FlatScrollBar::Thickness, height());
    for (QAction* action : menu_->actions())
        action->setChecked(action->data().toInt() == options_.fontSize);
    scrollTo(top_);
}

void BinaryViewPage::scrollTo(uint64_t top)
{
    top_ = scroll_.clampTop(top);
    const QSignalBlocker blocker(bar_);
    bar_->setRange(0, scroll_.barMaximum());
    bar_->setPageStep(scroll_.barPageStep());
    bar_->setSingleStep(1);
    bar_->setValue(scroll_.barValue(top_));
    readLines();
    update();
}

void BinaryViewPage::barAction(int action)
{
    // Steps and pages move by lines even when a bar step stands for many.
    uint64_t top = top_;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: top = scroll_.scrolled(top_, 1); break;
    case QAbstractSlider::SliderSingleStepSub: top = scroll_.scrolled(top_, -1); break;
    case QAbstractSlider::SliderPageStepAdd: top = scroll_.pageDown(top_); break;
    case QAbstractSlider::SliderPageStepSub: top = scroll_.pageUp(top_); break;
    case QAbstractSlider::SliderToMinimum: top = 0; break;
    case QAbstractSlider::SliderToMaximum: top = scroll_.end(); break;
    default: return; // a thumb drag arrives as a value
    }
    scrollTo(top);
    bar_->setSliderPosition(scroll_.barValue(top_));
}

void BinaryViewPage::readLines()
{
    page_ = file_.page(top_, layout_.visibleLines, layout_.bytesPerLine);
    lines_.clear();
    BinaryLineFormat format;
    format.digits = options_.digits;
    format.bytesPerLine = layout_.bytesPerLine;
    format.addressCells = layout_.addressCells;
    format.decimalAddress = options_.decimalAddress;
    format.dots = options_.dotsForControls;
    const QByteArrayView bytes(page_.bytes);
    for (qsizetype at = 0; at < bytes.size(); at += layout_.bytesPerLine) {
        const QByteArrayView line = bytes.sliced(at, std::min<qsizetype>(layout_.bytesPerLine, bytes.size() - at));
        lines_.push_back(binaryLineText(top_ + uint64_t(at), line, format));
    }
}

QRect BinaryViewPage::byteRect(int line, int i) const
{
    return {layout_.byteX(i), layout_.lineY(line), layout_.digits * layout_.metrics.cellWidth,
            layout_.metrics.lineHeight};
}

bool BinaryViewPage::handleKey(int key)
{
    switch (key) {
    case Qt::Key_Up: scrollTo(scroll_.scrolled(top_, -1)); return true;
    case Qt::Key_Down: scrollTo(scroll_.scrolled(top_, 1)); return true;
    case Qt::Key_PageUp: scrollTo(scroll_.pageUp(top_)); return true;
    case Qt::Key_PageDown: scrollTo(scroll_.pageDown(top_)); return true;
    case Qt::Key_Home: scrollTo(0); return true;
    case Qt::Key_End: scrollTo(scroll_.end()); return true;
    default: return false;
    }
}

void BinaryViewPage::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() != Qt::NoModifier || !handleKey(event->key()))
        QWidget::keyPressEvent(event);
}

void BinaryViewPage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        menu_->popup(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    options_.click(layout_.zoneAt(event->position().toPoint().x()));
    optionsChanged();
}

void BinaryViewPage::wheelEvent(QWheelEvent* event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0)
        scrollTo(scroll_.scrolled(top_, -int64_t(notches) * 3));
    event->accept();
}

void BinaryViewPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void BinaryViewPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setFont(font_);
    const int cells = layout_.addressCells;
    const int digits = layout_.digits;
    const int cell = layout_.metrics.cellWidth;
    const int charactersAt = cells + layout_.bytesPerLine * (digits + 1) + 4;
    for (size_t line = 0; line < lines_.size(); ++line) {
        const QString& text = lines_[line];
        const int y = layout_.lineY(int(line));
        const int baseline = y + ascent_;
        painter.setPen(kAddressColour);
        drawCells(painter, 0, baseline, text, 0, cells, cell, wholeRuns_);
        const int count = int(std::min<qsizetype>(layout_.bytesPerLine, text.size() - charactersAt));
        for (int i = 0; i < count; ++i) {
            const size_t index = line * size_t(layout_.bytesPerLine) + size_t(i);
            const bool marked = index < page_.marked.size() && page_.marked[index];
            if (marked)
                painter.fillRect(byteRect(int(line), i), kMarkerBackground);
            painter.setPen(marked ? kMarkerColour : kDigitColour);
            drawCells(painter, layout_.byteX(i), baseline, text, cells + 1 + i * (digits + 1), digits, cell,
                      wholeRuns_);
        }
        painter.setPen(kCharacterColour);
        // Always cell by cell: a tab, a line feed or a soft hyphen in a run would move the rest.
        drawCells(painter, layout_.charactersX(), baseline, text, charactersAt, count, layout_.metrics.charWidth,
                  false);
    }
}

QJsonObject BinaryViewPage::stateJson() const
{
    QJsonArray marked;
    QJsonArray rects;
    const QPoint origin = mapTo(window(), QPoint(0, 0));
    const int firstCount = int(std::min<qsizetype>(layout_.bytesPerLine, page_.bytes.size()));
    for (int i = 0; i < firstCount; ++i) {
        marked.append(size_t(i) < page_.marked.size() && page_.marked[size_t(i)]);
        rects.append(rectJson(byteRect(0, i).translated(origin)));
    }
    return {
        {QStringLiteral("path"), path_},
        {QStringLiteral("fileSize"), QString::number(file_.size())},
        {QStringLiteral("topOffset"), QString::number(top_)},
        {QStringLiteral("bytesPerLine"), layout_.bytesPerLine},
        {QStringLiteral("visibleLines"), layout_.visibleLines},
        {QStringLiteral("digits"), options_.digits},
        {QStringLiteral("decimalAddress"), options_.decimalAddress},
        {QStringLiteral("dots"), options_.dotsForControls},
        {QStringLiteral("fontSize"), options_.fontSize},
        {QStringLiteral("barMaximum"), bar_->maximum()},
        {QStringLiteral("barValue"), bar_->value()},
        {QStringLiteral("firstLine"), lines_.empty() ? QString() : lines_.front()},
        {QStringLiteral("firstLineMarked"), marked},
        {QStringLiteral("firstLineByteRects"), rects},
        {QStringLiteral("viewRect"), rectJson(QRect(origin, size()))},
        {QStringLiteral("charactersX"), origin.x() + layout_.charactersX()},
    };
}

void BinaryViewPage::refreshAll()
{
    if (!path_.isEmpty())
        showFile(path_, true);
}

void BinaryViewPage::pictureChanged(const QString& path)
{
    if (path == path_)
        showFile(path_, true);
}

} // namespace vistello
