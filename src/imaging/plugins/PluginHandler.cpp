#include "imaging/plugins/PluginHandler.h"

#include "imaging/plugins/PluginText.h"

namespace vistello {
namespace {

const vpl_char16* utf16(const QString& text)
{
    return reinterpret_cast<const vpl_char16*>(text.utf16());
}

} // namespace

bool pluginTableUsable(const VplHandlerTable* table)
{
    return table && table->tableSize >= sizeof(VplHandlerTable) && table->abiRevision == VPL_ABI_REVISION
           && table->destroy && table->extensions && table->formatName && table->description && table->capabilities;
}

std::unique_ptr<FormatHandler> PluginHandler::adopt(VplHandler* object)
{
    if (!object)
        return nullptr;
    if (!pluginTableUsable(object->table))
        return nullptr; // without a table of ours there is no way to destroy it either
    return std::unique_ptr<FormatHandler>(new PluginHandler(object));
}

PluginHandler::~PluginHandler()
{
    table_->destroy(object_, 1);
}

void PluginHandler::pushFlags()
{
    object_->panoramaMode = panoramaMode ? 1 : 0;
    object_->fastDecode = fastDecode ? 1 : 0;
    object_->useColourProfiles = useColourProfiles ? 1 : 0;
}

void PluginHandler::pullFields()
{
    outputWidth = object_->outputWidth;
    outputHeight = object_->outputHeight;
    imageWidth = object_->imageWidth;
    imageHeight = object_->imageHeight;
    mcuWidth = object_->mcuWidth >= 1 ? object_->mcuWidth : 1;
    mcuHeight = object_->mcuHeight >= 1 ? object_->mcuHeight : 1;
    orientation = object_->orientation >= 1 && object_->orientation <= 8 ? object_->orientation : 1;
    message = pluginField(object_->message).value_or(QString());
    valid = object_->valid != 0;
    soundFlag = object_->soundFlag != 0;
}

QString PluginHandler::takeText(const vpl_char16* text) const
{
    return boundedPluginText(text).value_or(QString());
}

PixelBuffer PluginHandler::takePixels(const uint8_t* data, uint64_t length)
{
    pullFields();
    std::optional<PixelBuffer> copy = copyPluginPixels(data, length, outputWidth, outputHeight);
    if (data && table_->releaseBuffer)
        table_->releaseBuffer(object_, data);
    if (!copy) {
        outputWidth = outputHeight = 0;
        return {};
    }
    return std::move(*copy);
}

std::optional<QByteArray> PluginHandler::takeBytes(const uint8_t* data, uint64_t length)
{
    std::optional<QByteArray> copy;
    if (data && length > 0 && length <= kMaxPluginBytes)
        copy = QByteArray(reinterpret_cast<const char*>(data), qsizetype(length));
    if (data && table_->releaseBuffer)
        table_->releaseBuffer(object_, data);
    return copy;
}

QString PluginHandler::extensions() const { return takeText(table_->extensions(object_)); }
QString PluginHandler::formatName() const { return takeText(table_->formatName(object_)); }
QString PluginHandler::description() const { return takeText(table_->description(object_)); }
unsigned PluginHandler::capabilities() const { return table_->capabilities(object_) & 0xFFFFu; }

void PluginHandler::setProperties(const QString& settings)
{
    if (table_->setProperties)
        table_->setProperties(object_, utf16(settings));
}

QString PluginHandler::properties() const
{
    return table_->getProperties ? takeText(table_->getProperties(object_)) : QString();
}

bool PluginHandler::showSettingsDialog()
{
    return table_->showSettingsDialog && table_->showSettingsDialog(object_, nullptr) != 0;
}

bool PluginHandler::isPanorama() const
{
    if (!table_->isPanorama)
        return FormatHandler::isPanorama();
    object_->panoramaMode = panoramaMode ? 1 : 0;
    return table_->isPanorama(object_) != 0;
}

QString PluginHandler::infoText(const QString& path)
{
    return table_->infoText ? takeText(table_->infoText(object_, utf16(path), 0, 0)) : QString();
}

QString PluginHandler::textQuery(int what)
{
    return table_->textQuery ? takeText(table_->textQuery(object_, what)) : QString();
}

void PluginHandler::readSummary(const QString& path)
{
    if (table_->readSummary)
        table_->readSummary(object_, utf16(path));
    pullFields();
}

void PluginHandler::readOrientation(const QString& path)
{
    if (table_->readOrientation)
        table_->readOrientation(object_, utf16(path));
    pullFields();
}

void PluginHandler::readHeader(const QString& path)
{
    if (table_->readHeader)
        table_->readHeader(object_, utf16(path));
    pullFields();
}

PixelBuffer PluginHandler::decodeFile(const QString& path, int boxWidth, int boxHeight, int scaleNum,
                                      int scaleDenom, bool allowEnlarge)
{
    if (!table_->decodeFile)
        return {};
    pushFlags();
    uint64_t length = 0;
    const uint8_t* data = table_->decodeFile(object_, utf16(path), boxWidth, boxHeight, scaleNum, scaleDenom,
                                             allowEnlarge ? 1 : 0, &length);
    return takePixels(data, length);
}

PixelBuffer PluginHandler::decodeMemory(const std::uint8_t* bytes, std::size_t size, int boxWidth, int boxHeight,
                                        int scaleNum, int scaleDenom, bool allowEnlarge)
{
    if (!table_->decodeMemory)
        return {};
    pushFlags();
    uint64_t length = 0;
    const uint8_t* data = table_->decodeMemory(object_, bytes, size, boxWidth, boxHeight, scaleNum, scaleDenom,
                                               allowEnlarge ? 1 : 0, &length);
    return takePixels(data, length);
}

ThumbnailData PluginHandler::embeddedThumbnail(const QString& path, bool checkSound)
{
    ThumbnailData thumbnail;
    if (!table_->embeddedThumbnail)
        return thumbnail;
    pushFlags();
    uint64_t length = 0;
    int32_t width = 0, height = 0;
    const uint8_t* data = table_->embeddedThumbnail(object_, utf16(path), &length, &width, &height,
                                                    checkSound ? 1 : 0);
    if (width > 0 && height > 0) {
        pullFields();
        if (std::optional<PixelBuffer> pixels = copyPluginPixels(data, length, width, height))
            thumbnail.pixels = std::move(*pixels);
        if (data && table_->releaseBuffer)
            table_->releaseBuffer(object_, data);
    } else {
        thumbnail.jpeg = takeBytes(data, length).value_or(QByteArray());
        pullFields();
    }
    return thumbnail;
}

std::optional<QByteArray> PluginHandler::extractSound(const QString& path)
{
    const uint8_t* data = nullptr;
    uint64_t length = 0;
    const bool found = table_->extractSound && table_->extractSound(object_, utf16(path), &data, &length) != 0;
    return takeBytes(data, found ? length : 0); // hands the buffer back either way
}

std::optional<QByteArray> PluginHandler::extractProfile(const QString& path)
{
    const uint8_t* data = nullptr;
    uint64_t length = 0;
    const bool found = table_->extractProfile && table_->extractProfile(object_, utf16(path), &data, &length) != 0;
    return takeBytes(data, found ? length : 0); // hands the buffer back either way
}

void PluginHandler::writeComment(const QString& path, const QString& text)
{
    if (table_->writeComment)
        table_->writeComment(object_, utf16(path), utf16(text));
}

bool PluginHandler::transform(LosslessOp op, const QString& path, int flags)
{
    const auto slot = table_->transform[int(op)];
    return slot && slot(object_, utf16(path), flags) != 0;
}

bool PluginHandler::crop(const QString& path, bool adjustThumbnails, int x, int y, int width, int height)
{
    return table_->crop && table_->crop(object_, utf16(path), adjustThumbnails ? 1 : 0, x, y, width, height) != 0;
}

int PluginHandler::qualityQuery(const QString& path, int which)
{
    return table_->qualityQuery ? table_->qualityQuery(object_, utf16(path), which) : -1;
}

int PluginHandler::fileQuality(const QString& path)
{
    return table_->fileQuality ? table_->fileQuality(object_, utf16(path)) : -1;
}

} // namespace vistello
