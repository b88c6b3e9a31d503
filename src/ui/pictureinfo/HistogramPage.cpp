#include "ui/pictureinfo/HistogramPage.h"

#include "imaging/histogram/HistogramGeometry.h"
#include "app/window/pictureinfo/HistogramLoader.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace vistello {

namespace {

const QColor kBackground(255, 255, 255);
const QColor kAreaColour(192, 192, 192);
const QColor kFrameColour(128, 128, 128);

constexpr HistogramChannel kCurveChannels[3] = {HistogramChannel::Red, HistogramChannel::Green,
                                                HistogramChannel::Blue};
const QColor kCurveColours[3] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};

// The error text starts this far below the top.
constexpr int kErrorTop = 10;

} // namespace

HistogramPage::HistogramPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("histogramView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

HistogramPage::~HistogramPage()
{
    // Joined before the QObject goes: nothing is delivered to a dead page.
    loader_.reset();
    retired_.clear();
}

void HistogramPage::showFile(const QString& path, bool force)
{
    if (path == path_ && !force)
        return;
    path_ = path;
    histogram_ = Histogram{};
    retireLoader();
    loading_ = !path.isEmpty();
    ++generation_;
    if (loading_) {
        loader_ = std::make_unique<HistogramLoader>(path, [this, generation = generation_](const Histogram& histogram) {
            QMetaObject::invokeMethod(this, [this, generation, histogram] { delivered(generation, histogram); },
                                      Qt::QueuedConnection);
        });
        loader_->start();
    }
    rebuild();
}

void HistogramPage::retireLoader()
{
    std::erase_if(retired_, [](const std::unique_ptr<HistogramLoader>& old) { return old->stop(0); });
    if (loader_ && !loader_->stop(0))
        retired_.push_back(std::move(loader_));
    loader_.reset();
}

void HistogramPage::delivered(uint64_t generation, const Histogram& histogram)
{
    if (generation != generation_ || !loading_)
        return; // an older request's
    histogram_ = histogram;
    loading_ = false;
    retireLoader();
    rebuild();
}

void HistogramPage::rebuild()
{
    const QSize area = size();
    luminance_ = loading_ ? QPolygon() : luminanceArea(histogram_, area);
    for (int c = 0; c < 3; ++c) {
        const LevelCounters& counters = channelCounters(histogram_, kCurveChannels[c]);
        curves_[c] = loading_ ? QPolygon() : histogramCurve(counters, histogram_.largest, area);
    }
    text_ = loading_ ? QString() : histogram_.failed ? histogramErrorText(path_) : averageGreyText(histogram_);
    update();
}

void HistogramPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    rebuild();
}

void HistogramPage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    HistogramMode& mode = sharedHistogramMode();
    mode = nextHistogramMode(mode);
    update();
}

void HistogramPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (histogram_.failed) {
        painter.setPen(Qt::black);
        painter.drawText(rect().adjusted(0, kErrorTop, 0, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         text_);
        return;
    }
    const HistogramMode mode = sharedHistogramMode();
    if (!luminance_.isEmpty() && showsChannel(mode, HistogramChannel::Luminance)) {
        painter.setPen(QPen(kAreaColour, 1));
        painter.setBrush(kAreaColour);
        painter.drawPolygon(luminance_);
        painter.setBrush(Qt::NoBrush);
    }
    for (int c = 0; c < 3; ++c) {
        if (curves_[c].isEmpty() || !showsChannel(mode, kCurveChannels[c]))
            continue;
        painter.setPen(QPen(kCurveColours[c], 2));
        painter.drawPolyline(curves_[c]);
    }
    painter.setPen(QPen(kFrameColour, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.drawText(QRect(2, 1, std::max(width() - 2, 0), std::max(height() - 1, 0)), Qt::AlignLeft | Qt::AlignTop,
                     text_);
}

QJsonObject HistogramPage::stateJson() const
{
    return {
        {QStringLiteral("path"), path_},
        {QStringLiteral("mode"), int(sharedHistogramMode())},
        {QStringLiteral("loading"), loading_},
        {QStringLiteral("failed"), histogram_.failed},
        {QStringLiteral("averageGrey"), histogram_.averageGrey},
        {QStringLiteral("averageText"), text_},
    };
}

void HistogramPage::refreshAll()
{
    if (!path_.isEmpty())
        showFile(path_, true);
}

void HistogramPage::pictureChanged(const QString& path)
{
    if (path == path_)
        showFile(path_, true);
}

} // namespace vistello
