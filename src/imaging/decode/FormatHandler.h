#pragma once
// The interface every picture format implements: the built-in handlers and
// the format plug-ins (whose C table the plug-in adapter wraps in this class)
// alike. A handler lives for one request; the decoder reads and writes its
// public fields directly, as the plug-ins do. Every operation has the default
// a format gives when it does not support it.
#include "imaging/decode/PictureWriteRequest.h"
#include "imaging/scale/PixelBuffer.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

namespace vistello {

// A picture's embedded thumbnail: raw pixels when `pixels` is set, otherwise
// JPEG data in `jpeg`.
struct ThumbnailData {
    QByteArray jpeg;
    PixelBuffer pixels;

    bool empty() const { return jpeg.isEmpty() && pixels.empty(); }
};

class FormatHandler {
public:
    // The capability word; bits 3-11 announce the lossless operations.
    enum Capability : unsigned {
        Readable = 1u << 0,
        Writable = 1u << 1,
        QualityLevels = 1u << 2,    // writePicture honours the two qualities
        AutoRotate = 1u << 3,
        RotateRight = 1u << 4,
        RotateLeft = 1u << 5,
        Mirror = 1u << 6,
        Flip = 1u << 7,
        Transpose = 1u << 8,
        Transverse = 1u << 9,
        Greyscale = 1u << 10,
        Crop = 1u << 11,
        CarriesComments = 1u << 12, // the files hold a comment the program reads and writes
    };

    virtual ~FormatHandler() = default;

    virtual QString extensions() const = 0; // ";"-separated, with dots
    virtual QString formatName() const = 0;
    virtual QString description() const = 0;
    virtual unsigned capabilities() const = 0;

    virtual void setProperties(const QString& /*settings*/) {}
    virtual QString properties() const { return {}; }
    // The format's own settings; true when they changed. A format's dialog
    // is the window's business, so the default has none.
    virtual bool showSettingsDialog() { return false; }

    // Only with panoramaMode: one side at least twice the other.
    virtual bool isPanorama() const;

    // The information text (at most 1023 characters); empty for none.
    virtual QString infoText(const QString& /*path*/) { return {}; }
    // A text the format answers for a query number; empty for none.
    virtual QString textQuery(int /*what*/) { return {}; }
    // Fills the picture-information fields from the file.
    virtual void readSummary(const QString& /*path*/) {}

    virtual void readOrientation(const QString& /*path*/) {}
    // Fills imageWidth/imageHeight/mcuWidth/mcuHeight; valid tells success.
    virtual void readHeader(const QString& /*path*/) {}

    // Decoding; the result's size is also in outputWidth/outputHeight.
    virtual PixelBuffer decodeFile(const QString& /*path*/, int /*boxWidth*/, int /*boxHeight*/,
                                   int /*scaleNum*/, int /*scaleDenom*/, bool /*allowEnlarge*/)
    {
        return {};
    }
    virtual PixelBuffer decodeMemory(const std::uint8_t* /*data*/, std::size_t /*length*/,
                                     int /*boxWidth*/, int /*boxHeight*/, int /*scaleNum*/,
                                     int /*scaleDenom*/, bool /*allowEnlarge*/)
    {
        return {};
    }
    // Also fills orientation and soundFlag.
    virtual ThumbnailData embeddedThumbnail(const QString& /*path*/, bool /*checkSound*/)
    {
        return {};
    }

    // The file this format would write, in memory; nothing (message says
    // why) when the format cannot write or the picture does not fit it.
    virtual std::optional<EncodedPicture> encodePicture(const PictureWriteRequest& /*request*/);
    // Writes the picture in this format, created or replaced whole; false
    // when nothing usable was written (the old file is then untouched).
    virtual bool writePicture(const PictureWriteRequest& request);

    // Embedded extras copied out of the file; nothing when there are none.
    virtual std::optional<QByteArray> extractSound(const QString& /*path*/) { return std::nullopt; }
    virtual std::optional<QByteArray> extractProfile(const QString& /*path*/) { return std::nullopt; }
    virtual void writeComment(const QString& /*path*/, const QString& /*text*/) {}

    // Lossless editing in the file itself; false when not supported. The
    // operations follow the capability bits AutoRotate..Greyscale.
    enum class LosslessOp { AutoRotate, RotateRight, RotateLeft, Mirror, Flip, Transpose, Transverse, Greyscale };
    virtual bool transform(LosslessOp /*op*/, const QString& /*path*/, int /*flags*/) { return false; }
    virtual bool transformToFile(const QString& /*source*/, const QString& /*target*/, int /*operation*/,
                                 int /*flags*/)
    {
        return false;
    }
    virtual bool crop(const QString& /*path*/, bool /*adjustThumbnails*/, int /*x*/, int /*y*/, int /*width*/,
                      int /*height*/)
    {
        return false;
    }
    // Quality the format would use, or -1 when it has none.
    virtual int qualityQuery(const QString& /*path*/, int /*which*/) { return -1; }
    virtual int fileQuality(const QString& /*path*/) { return -1; }

    // Fields after a request.
    int outputWidth = 0;
    int outputHeight = 0;
    int imageWidth = 0;
    int imageHeight = 0;
    int mcuWidth = 1;
    int mcuHeight = 1;
    int orientation = 1; // EXIF orientation 1..8
    QString message;     // last error message of the format
    bool valid = false;
    bool soundFlag = false;

    // Set by the program before decoding.
    bool panoramaMode = false;
    bool fastDecode = false;
    bool useColourProfiles = false;
    // For operations that rewrite or judge a picture: the main image only
    // (no embedded thumbnail instead), and a library warning (data cut
    // short, corrupt data) fails the decode with its text in message.
    bool strictDecode = false;

    // A flag a worker thread raises to abort a long decode (polled by the
    // JPEG library's progress monitor); null for none.
    void setStopFlag(const std::atomic<bool>* flag) { stopFlag_ = flag; }
    const std::atomic<bool>* stopFlag() const { return stopFlag_; }

private:
    const std::atomic<bool>* stopFlag_ = nullptr;
};

using FormatHandlerPtr = std::unique_ptr<FormatHandler>;

} // namespace vistello
