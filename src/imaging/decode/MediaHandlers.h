#pragma once
// The built-in handlers that let videos and MP3 files stand among the
// pictures: a still picture (the first video frame, or the note picture for
// sound) and an information text. Playback is the viewer's business.
#include "imaging/decode/FormatHandler.h"

#include <chrono>

namespace vistello {

class VideoHandler : public FormatHandler {
public:
    static std::unique_ptr<FormatHandler> create();

    QString extensions() const override { return QStringLiteral(".avi;.qt;.mov;.mpg;.mpeg;.m1v;.wmv"); }
    QString formatName() const override { return QStringLiteral("AVI"); }
    QString description() const override;
    unsigned capabilities() const override { return Readable; }

    // The first frame within the deadline and the stop flag; the note
    // picture for a sound file.
    PixelBuffer decodeFile(const QString& path, int boxWidth, int boxHeight, int scaleNum, int scaleDenom,
                           bool allowEnlarge) override;
    ThumbnailData embeddedThumbnail(const QString& path, bool checkSound) override;
    void readHeader(const QString& path) override;
    QString infoText(const QString& path) override;

    void setDeadline(std::chrono::milliseconds deadline) { deadline_ = deadline; }

private:
    std::chrono::milliseconds deadline_{5000};
};

class Mp3Handler : public FormatHandler {
public:
    static std::unique_ptr<FormatHandler> create();

    QString extensions() const override { return QStringLiteral(".mp3"); }
    QString formatName() const override { return QStringLiteral("MP3"); }
    QString description() const override;
    unsigned capabilities() const override { return Readable; }

    PixelBuffer decodeFile(const QString& path, int boxWidth, int boxHeight, int scaleNum, int scaleDenom,
                           bool allowEnlarge) override;
    void readHeader(const QString& path) override;
    QString infoText(const QString& path) override;
};

} // namespace vistello
