#pragma once
// The picture page's media player: the video fitted into the page and the
// 20-pixel control band with Play, Stop, the position marker and the time.
// Playing happens in a separate process (MediaSession); this widget draws
// its frames and forwards clicks. The rules are MediaBand's and
// MediaPlayerState's.
#include "app/window/viewer/MediaBand.h"
#include "app/window/viewer/MediaPlayerState.h"

#include <QImage>
#include <QJsonObject>
#include <QWidget>

class QToolButton;

namespace vistello {

class MediaSession;

class MediaPlayerView : public QWidget {
    Q_OBJECT
public:
    explicit MediaPlayerView(QWidget* parent);

    void open(const QString& path);
    void close();
    bool mediaPlaying() const { return state_.mediaPlaying(); }
    const QString& path() const { return path_; }

    void setModes(bool pictureOnly, bool controlsInFullScreen, bool autoShow);
    void setBackground(QColor colour);

    void play();
    void stop();

    // For scripted checks: state, position, duration and the band's parts.
    QJsonObject stateJson() const;

Q_SIGNALS:
    // Play started or stopped, the end came or the player failed.
    void playingChanged(bool playing);
    void backToNormalView();
    void stopAutoShow();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void relayout();
    void changed(bool wasPlaying);
    void drawBand(class QPainter& painter) const;

    MediaSession* session_;
    MediaPlayerState state_;
    MediaLayoutInput input_;
    MediaLayout layout_;
    QToolButton* playButton_;
    QToolButton* stopButton_;
    QToolButton* cornerButton_;
    QImage frame_;
    QString path_;
    QColor background_ = Qt::white;
    int frames_ = 0;
};

} // namespace vistello
