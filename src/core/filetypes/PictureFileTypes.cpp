#include "core/filetypes/PictureFileTypes.h"

#include "core/settings/SettingsStore.h"
#include "resources/StringTable.h"

namespace vistello {
namespace {

constexpr uint16_t kReadable = 0x0001;
constexpr uint16_t kWritable = 0x0002;
constexpr int kOrText = 33338;

struct BuiltInFormat {
    const char16_t* formatName;
    const char16_t* extensions;
    uint16_t capabilities;
    const char16_t* description;
    bool needsVideo; // offered only when media playback works
};

// Registration order matters: the first registration of an extension wins.
// The media formats come last, so registering them later keeps the order.
constexpr BuiltInFormat kBuiltInFormats[] = {
    {u"Jpeg", u".jpg;.jpeg;.jpe", 0xFFFF, u"Jpeg picture format", false},
    {u"", u".thm", 0xFFFD, u"Jpeg picture format", false}, // camera thumbnails: shown, never written
    {u"BMP", u".bmp", 0x0002, u"BMP picture format with 24 bit color depth", false},
    {u"AVI", u".avi;.qt;.mov;.mpg;.mpeg;.m1v;.wmv", 0x0001, u"Video format", true},
    {u"MP3", u".mp3", 0x0001, u"MP3 format", true},
};

// A plug-in may hand over "jpg" or " .jpg"; a bare tail without its dot would
// match unrelated names, so every extension gets one.
QString normalizedExtension(QStringView raw)
{
    const QStringView trimmed = raw.trimmed();
    if (trimmed.isEmpty() || trimmed == u".")
        return {};
    return trimmed.startsWith(u'.') ? trimmed.toString() : QLatin1Char('.') + trimmed.toString();
}

} // namespace

PictureFileTypes& PictureFileTypes::instance()
{
    static PictureFileTypes types;
    return types;
}

void PictureFileTypes::registerFormat(const FormatDescriptor& descriptor, bool external, SettingsStore* settings)
{
    settleDeferredMedia(); // the media formats were registered first
    const bool readable = (descriptor.capabilities & kReadable) != 0;
    const bool writable = (descriptor.capabilities & kWritable) != 0;
    if (!readable && !writable)
        return;

    QStringList extensions;
    for (QStringView raw : QStringView(descriptor.extensions).split(u';', Qt::SkipEmptyParts))
        if (QString extension = normalizedExtension(raw); !extension.isEmpty())
            extensions.append(extension);

    bool formatEntered = false;
    for (const QString& extension : extensions) {
        bool known = false;
        for (const PictureFileType& type : fileTypes_)
            known = known || type.extension.compare(extension, Qt::CaseInsensitive) == 0;
        if (known)
            continue;

        if (!formatEntered) {
            formatEntered = true;
            if (settings && !descriptor.formatName.isEmpty() && descriptor.setProperties)
                descriptor.setProperties(settings->getString(descriptor.formatName + QStringLiteral("_property"), QString()));
            QString filterEntry;
            if (writable) {
                const QString patterns = QLatin1Char('*') + extensions.join(QStringLiteral(";*"));
                filterEntry = descriptor.formatName + QStringLiteral(" (") + patterns + QStringLiteral(")|") + patterns
                              + QLatin1Char('|');
                writeFilter_ += filterEntry;
            }
            formats_.push_back({extension, descriptor.formatName, readable, writable, external, filterEntry});
        }
        fileTypes_.push_back({extension, descriptor.formatName, descriptor.description, readable, writable, external,
                              descriptor.factory, descriptor.setProperties});
        if (readable)
            pictureExtensions_.append(extension);
    }
}

void PictureFileTypes::registerBuiltIns(bool videoAvailable, SettingsStore* settings)
{
    registerBuiltInGroup(false);
    if (videoAvailable)
        registerBuiltInGroup(true);
    if (settings)
        listExtension_ = settings->get(setting::PictureListExtension);
}

void PictureFileTypes::registerBuiltInsDeferringMedia(PlaybackQuery playbackAvailable, SettingsStore* settings)
{
    registerBuiltIns(false, settings);
    deferredPlayback_ = std::move(playbackAvailable);
}

void PictureFileTypes::registerBuiltInGroup(bool media)
{
    for (const BuiltInFormat& format : kBuiltInFormats) {
        if (format.needsVideo != media)
            continue;
        FormatDescriptor descriptor;
        descriptor.formatName = QString::fromUtf16(format.formatName);
        descriptor.extensions = QString::fromUtf16(format.extensions);
        descriptor.description = QString::fromUtf16(format.description);
        descriptor.capabilities = format.capabilities;
        registerFormat(descriptor, false, nullptr); // built-ins have no saved properties
    }
    if (media)
        for (const auto& [extension, factory] : builtInFactories_)
            applyHandlerFactory(extension, factory);
}

bool PictureFileTypes::isDeferredMedia(QStringView path) const
{
    if (!deferredPlayback_)
        return false;
    for (const BuiltInFormat& format : kBuiltInFormats)
        if (format.needsVideo)
            for (QStringView extension : QStringView(format.extensions).tokenize(u';'))
                if (path.endsWith(extension, Qt::CaseInsensitive))
                    return true;
    return false;
}

void PictureFileTypes::settleDeferredMedia() const
{
    if (!deferredPlayback_)
        return;
    auto* self = const_cast<PictureFileTypes*>(this);
    const PlaybackQuery playbackAvailable = std::move(self->deferredPlayback_);
    self->deferredPlayback_ = nullptr;
    if (playbackAvailable())
        self->registerBuiltInGroup(true);
}

void PictureFileTypes::setHandlerFactory(QStringView extension, const FormatHandlerFactory& factory)
{
    builtInFactories_.emplace_back(extension.toString(), factory); // for deferred media formats
    applyHandlerFactory(extension, factory);
}

void PictureFileTypes::applyHandlerFactory(QStringView extension, const FormatHandlerFactory& factory)
{
    for (PictureFileType& type : fileTypes_)
        if (type.extension.compare(extension, Qt::CaseInsensitive) == 0)
            type.factory = factory;
}

void PictureFileTypes::removeExternalFormats()
{
    settleDeferredMedia();
    std::erase_if(fileTypes_, [](const PictureFileType& type) { return type.external; });
    std::erase_if(formats_, [](const FormatListEntry& format) { return format.external; });
    pictureExtensions_.clear();
    for (const PictureFileType& type : fileTypes_)
        if (type.readable)
            pictureExtensions_.append(type.extension);
    writeFilter_.clear();
    for (const FormatListEntry& format : formats_)
        writeFilter_ += format.filterEntry;
}

void PictureFileTypes::clear()
{
    deferredPlayback_ = nullptr;
    builtInFactories_.clear();
    fileTypes_.clear();
    pictureExtensions_.clear();
    formats_.clear();
    writeFilter_.clear();
    listExtension_ = defaultListExtension();
}

bool PictureFileTypes::isPictureFile(QStringView path) const
{
    for (const QString& extension : pictureExtensions_)
        if (path.endsWith(extension, Qt::CaseInsensitive))
            return true;
    if (!isDeferredMedia(path))
        return false;
    settleDeferredMedia();
    return isPictureFile(path);
}

bool PictureFileTypes::isPictureListFile(QStringView path) const
{
    return !listExtension_.isEmpty() && path.endsWith(listExtension_, Qt::CaseInsensitive);
}

bool PictureFileTypes::isWritableFormat(QStringView path) const
{
    const PictureFileType* type = typeOf(path);
    return type && type->writable;
}

const PictureFileType* PictureFileTypes::typeOf(QStringView path) const
{
    for (const PictureFileType& type : fileTypes_)
        if (path.endsWith(type.extension, Qt::CaseInsensitive))
            return &type;
    if (!isDeferredMedia(path))
        return nullptr;
    settleDeferredMedia();
    return typeOf(path);
}

bool PictureFileTypes::isMediaFile(QStringView path) const
{
    const PictureFileType* type = typeOf(path);
    if (!type || type->external)
        return false;
    for (const BuiltInFormat& format : kBuiltInFormats)
        if (format.needsVideo && type->formatName == QStringView(format.formatName))
            return true;
    return false;
}

const std::vector<PictureFileType>& PictureFileTypes::fileTypes() const
{
    settleDeferredMedia();
    return fileTypes_;
}

const QStringList& PictureFileTypes::pictureExtensions() const
{
    settleDeferredMedia();
    return pictureExtensions_;
}

const std::vector<FormatListEntry>& PictureFileTypes::formats() const
{
    settleDeferredMedia();
    return formats_;
}

QString PictureFileTypes::writeFilter() const
{
    settleDeferredMedia();
    return writeFilter_;
}

QString PictureFileTypes::readableFormatNames() const
{
    settleDeferredMedia();
    QStringList names;
    for (const FormatListEntry& format : formats_)
        if (format.readable && !format.formatName.isEmpty())
            names.append(format.formatName);
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QLatin1Char(' ') + strings::text(kOrText) + QLatin1Char(' ') + last;
}

} // namespace vistello
