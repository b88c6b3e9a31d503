#include "ui/viewer/MediaPlayerView.h"

#include "media/MediaSession.h"
#include "resources/MediaStrings.h"

#include <QJsonArray>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace vistello {
namespace {

constexpr int64_t kUnitsPerMs = 10000; // 100-ns units
constexpr int kBackToNormalView = 40196;
constexpr int kStopSlideshow = 40372;

const QColor kBandColour(212, 208, 200);
const QColor kBarColour(160, 160, 160);
const QColor kMarkerColour(40, 90, 180);

QToolButton* bandButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& tip, const char* name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFixedSize(kMediaButtonSize, kMediaButtonSize);
    return button;
}

} // namespace

MediaPlayerView::MediaPlayerView(QWidget* parent)
    : QWidget(parent)
    , session_(new MediaSession(this))
    , playButton_(bandButton(this, QStyle::SP_MediaPlay, strings::text(strings::kPlay), "mediaPlay"))
    , stopButton_(bandButton(this, QStyle::SP_MediaPause, strings::text(strings::kStop), "mediaStop"))
    , cornerButton_(bandButton(this, QStyle::SP_TitleBarNormalButton, QString(), "mediaCorner"))
{
    setObjectName(QStringLiteral("mediaPlayer"));
    connect(playButton_, &QToolButton::clicked, this, &MediaPlayerView::play);
    connect(stopButton_, &QToolButton::clicked, this, &MediaPlayerView::stop);
    connect(cornerButton_, &QToolButton::clicked, this, [this] {
        if (layout_.cornerStopsAutoShow)
            Q_EMIT stopAutoShow();
        else
            Q_EMIT backToNormalView();
    });
    connect(session_, &MediaSession::loaded, this, [this](int64_t ms, bool seekable) {
        const bool was = state_.mediaPlaying();
        state_.loaded(ms * kUnitsPerMs, seekable);
        changed(was);
    });
    connect(session_, &MediaSession::videoSize, this, [this](QSize size) {
        input_.videoWidth = size.width();
        input_.videoHeight = size.height();
        relayout();
    });
    connect(session_, &MediaSession::position, this, [this](int64_t ms) {
        state_.positionChanged(ms * kUnitsPerMs);
        if (!input_.autoShow && layout_.bandShown)
            update(layout_.band);
    });
    connect(session_, &MediaSession::frame, this, [this](const QImage& image) {
        frame_ = image;
        ++frames_;
        update(layout_.video);
    });
    connect(session_, &MediaSession::ended, this, [this] {
        const bool was = state_.mediaPlaying();
        state_.ended();
        session_->pause();
        if (state_.seekable())
            session_->seek(0);
        changed(was);
    });
    connect(session_, &MediaSession::failed, this, [this] {
        const bool was = state_.mediaPlaying();
        state_.failed();
        changed(was);
    });
    relayout();
}

void MediaPlayerView::open(const QString& path)
{
    close();
    path_ = path;
    const bool was = state_.mediaPlaying();
    state_.open();
    if (!session_->open(path))
        state_.failed(); // nothing is shown, nothing waits
    changed(was);
}

void MediaPlayerView::close()
{
    const bool was = state_.mediaPlaying();
    session_->close();
    state_.close();
    frame_ = QImage();
    input_.videoWidth = input_.videoHeight = 0;
    path_.clear();
    relayout();
    changed(was);
}

void MediaPlayerView::play()
{
    const bool was = state_.mediaPlaying();
    const int64_t seekTo = state_.play();
    if (seekTo >= 0)
        session_->seek(seekTo / kUnitsPerMs);
    if (state_.mediaPlaying())
        session_->play();
    changed(was);
}

void MediaPlayerView::stop()
{
    const bool was = state_.mediaPlaying();
    state_.stop();
    if (!state_.mediaPlaying())
        session_->pause();
    changed(was);
}

void MediaPlayerView::setModes(bool pictureOnly, bool controlsInFullScreen, bool autoShow)
{
    input_.pictureOnly = pictureOnly;
    input_.controlsInFullScreen = controlsInFullScreen;
    input_.autoShow = autoShow;
    relayout();
}

void MediaPlayerView::setBackground(QColor colour)
{
    background_ = colour;
    update();
}

void MediaPlayerView::changed(bool wasPlaying)
{
    if (wasPlaying != state_.mediaPlaying())
        Q_EMIT playingChanged(state_.mediaPlaying());
    update();
}

void MediaPlayerView::relayout()
{
    input_.width = width();
    input_.height = height();
    layout_ = mediaLayout(input_);
    playButton_->setGeometry(layout_.play);
    stopButton_->setGeometry(layout_.stop);
    playButton_->setVisible(layout_.bandShown);
    stopButton_->setVisible(layout_.bandShown);
    cornerButton_->setGeometry(layout_.cornerButton);
    cornerButton_->setVisible(!layout_.cornerButton.isEmpty());
    cornerButton_->setToolTip(strings::text(layout_.cornerStopsAutoShow ? kStopSlideshow : kBackToNormalView));
    const QRect area = layout_.video.isEmpty() ? QRect(0, 0, width(), std::max(0, height() - kMediaBandHeight))
                                               : layout_.video;
    session_->setFrameArea(area.size());
    update();
}

void MediaPlayerView::resizeEvent(QResizeEvent*)
{
    relayout();
}

void MediaPlayerView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!layout_.bandShown || !layout_.band.contains(at) || !state_.seekable())
        return;
    if (const std::optional<int64_t> target = mediaSeekPosition(width(), at.x(), state_.duration())) {
        state_.positionChanged(*target);
        session_->seek(*target / kUnitsPerMs);
        update(layout_.band);
    }
}

void MediaPlayerView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (!frame_.isNull() && !layout_.video.isEmpty()) {
        const QSize shown = frame_.size().scaled(layout_.video.size(), Qt::KeepAspectRatio);
        const QRect target(layout_.video.center() - QPoint(shown.width() / 2, shown.height() / 2), shown);
        painter.drawImage(target, frame_);
    }
    if (layout_.bandShown)
        drawBand(painter);
}

void MediaPlayerView::drawBand(QPainter& painter) const
{
    const QRect band = layout_.band;
    painter.fillRect(QRect(band.x(), band.y(), 40, band.height()), kBarColour);
    painter.fillRect(band.adjusted(40, 0, 0, 0), kBandColour);
    const std::optional<int> marker = state_.seekable() ? mediaMarkerX(width(), state_.position(), state_.duration())
                                                        : std::nullopt;
    if (!marker)
        return;
    painter.fillRect(QRect(*marker, band.y() + 5, kMediaMarkerWidth, kMediaMarkerHeight), kMarkerColour);
    const QString time = mediaTimeText(state_.position());
    const int textWidth = painter.fontMetrics().horizontalAdvance(time);
    painter.setPen(Qt::black);
    painter.drawText(QRect(mediaTimeTextX(*marker, textWidth, width()), band.y(), textWidth, band.height()),
                     Qt::AlignVCenter | Qt::AlignLeft, time);
}

QJsonObject MediaPlayerView::stateJson() const
{
    static const char* const names[] = {"closed", "opening", "running", "paused"};
    QJsonObject json;
    json[QStringLiteral("path")] = path_;
    json[QStringLiteral("state")] = QLatin1String(names[int(state_.state())]);
    json[QStringLiteral("mediaPlaying")] = state_.mediaPlaying();
    json[QStringLiteral("positionMs")] = double(state_.position() / kUnitsPerMs);
    json[QStringLiteral("durationMs")] = double(state_.duration() / kUnitsPerMs);
    json[QStringLiteral("bandShown")] = layout_.bandShown && isVisible();
    json[QStringLiteral("frames")] = frames_;
    json[QStringLiteral("timeText")] = mediaTimeText(state_.position());
    const auto windowRect = [this](const QRect& r) {
        const QPoint at = mapTo(window(), r.topLeft());
        return QJsonArray{at.x(), at.y(), r.width(), r.height()};
    };
    json[QStringLiteral("playRect")] = windowRect(layout_.play);
    json[QStringLiteral("stopRect")] = windowRect(layout_.stop);
    json[QStringLiteral("videoRect")] = windowRect(layout_.video);
    return json;
}

} // namespace vistello
