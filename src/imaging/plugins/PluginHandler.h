#pragma once
// A plug-in's handler object seen as a FormatHandler: every call goes through
// the object's table; fields the program sets are written before a call, the
// results read after it, and everything the plug-in returns is copied with
// bounds and its buffers handed back.
#include "imaging/decode/FormatHandler.h"
#include "imaging/plugins/api/vistello_plugin.h"

namespace vistello {

class PluginHandler : public FormatHandler {
public:
    // Takes the object over (destroyed through its table); null when the
    // object is missing or its table is not of this program's revision.
    static std::unique_ptr<FormatHandler> adopt(VplHandler* object);
    ~PluginHandler() override;

    QString extensions() const override;
    QString formatName() const override;
    QString description() const override;
    unsigned capabilities() const override;
    void setProperties(const QString& settings) override;
    QString properties() const override;
    bool showSettingsDialog() override;
    bool isPanorama() const override;
    QString infoText(const QString& path) override;
    QString textQuery(int what) override;
    void readSummary(const QString& path) override;
    void readOrientation(const QString& path) override;
    void readHeader(const QString& path) override;
    PixelBuffer decodeFile(const QString& path, int boxWidth, int boxHeight, int scaleNum, int scaleDenom,
                           bool allowEnlarge) override;
    PixelBuffer decodeMemory(const std::uint8_t* data, std::size_t length, int boxWidth, int boxHeight,
                             int scaleNum, int scaleDenom, bool allowEnlarge) override;
    ThumbnailData embeddedThumbnail(const QString& path, bool checkSound) override;
    std::optional<QByteArray> extractSound(const QString& path) override;
    std::optional<QByteArray> extractProfile(const QString& path) override;
    void writeComment(const QString& path, const QString& text) override;
    bool transform(LosslessOp op, const QString& path, int flags) override;
    bool crop(const QString& path, bool adjustThumbnails, int x, int y, int width, int height) override;
    int qualityQuery(const QString& path, int which) override;
    int fileQuality(const QString& path) override;

private:
    explicit PluginHandler(VplHandler* object) : object_(object), table_(object->table) {}
    void pushFlags();
    void pullFields();
    PixelBuffer takePixels(const uint8_t* data, uint64_t length);
    std::optional<QByteArray> takeBytes(const uint8_t* data, uint64_t length);
    QString takeText(const vpl_char16* text) const;

    VplHandler* object_;
    const VplHandlerTable* table_;
};

// True when a table can be used by this program (size and revision).
bool pluginTableUsable(const VplHandlerTable* table);

} // namespace vistello
