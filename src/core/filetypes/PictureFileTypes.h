#pragma once
// Which files are pictures: the table of registered file types, filled at
// start-up from the built-in formats (and later the format plug-ins), and the
// folder scan that every picture list is built from.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace vistello {

class FormatHandler;
class SettingsStore;

// Creates a new handler object of a format (one per request).
using FormatHandlerFactory = std::function<std::unique_ptr<FormatHandler>()>;

// Whether video and MP3 files can be played; asked at most once.
using PlaybackQuery = std::function<bool()>;

struct PictureFileType {
    QString extension;   // with the leading dot, e.g. ".jpg"
    QString formatName;  // e.g. "Jpeg"; may be empty
    QString description;
    bool readable = false;
    bool writable = false;
    bool external = false; // from a plug-in
    FormatHandlerFactory factory;
    // Hands the format a new "<formatName>_property" string; may be empty.
    std::function<void(const QString&)> setProperties;
};

// What a format supplies when it is registered.
struct FormatDescriptor {
    QString extensions;  // ";"-separated, with dots
    QString formatName;
    QString description;
    uint16_t capabilities = 0; // bit 0 readable, bit 1 writable
    std::function<void(const QString&)> setProperties;
    FormatHandlerFactory factory;
};

// One entry of the list of formats offered as conversion targets.
struct FormatListEntry {
    QString firstExtension;
    QString formatName;
    bool readable = false;
    bool writable = false;
    bool external = false;
    QString filterEntry; // its part of writeFilter; empty when not writable
};

class PictureFileTypes {
public:
    // The process-wide table.
    static PictureFileTypes& instance();

    // First registration of an extension wins, also over a later writable
    // one. With settings, the format's saved "<formatName>_property" string is
    // handed to setProperties; nullptr skips that.
    void registerFormat(const FormatDescriptor& descriptor, bool external, SettingsStore* settings);
    // The built-in formats: JPEG, THM, BMP, and video/MP3 when videoAvailable.
    // With settings, the run's list extension is taken from
    // "PictureListExtension" at the same moment.
    void registerBuiltIns(bool videoAvailable, SettingsStore* settings);
    // The same, but video/MP3 wait until a name with one of their extensions
    // is tested, a format is registered or the tables are read; only then is
    // playbackAvailable asked, and the table ends up as registerBuiltIns with
    // that answer leaves it. A run that meets pictures only never asks (the
    // media probe costs a process start). Settling writes the table, so it
    // belongs to the registering thread, like registration itself.
    void registerBuiltInsDeferringMedia(PlaybackQuery playbackAvailable, SettingsStore* settings);
    // The decoders of the built-in formats live above this table; they hand
    // in their factories once the formats are registered.
    void setHandlerFactory(QStringView extension, const FormatHandlerFactory& factory);
    // Removes the plug-in formats (the end of the run); the built-in ones stay.
    void removeExternalFormats();
    // Empties every table and restores the default list extension.
    void clear();

    // Tail comparisons only (case-insensitive); isPictureFile allocates nothing.
    bool isPictureFile(QStringView path) const;
    bool isPictureListFile(QStringView path) const;
    bool isWritableFormat(QStringView path) const;
    const PictureFileType* typeOf(QStringView path) const;
    // A video or MP3 file of the built-in media formats (played, not shown).
    bool isMediaFile(QStringView path) const;

    const std::vector<PictureFileType>& fileTypes() const;
    const QStringList& pictureExtensions() const;
    const std::vector<FormatListEntry>& formats() const;
    QString writeFilter() const;
    // Names of the readable formats joined for messages: "A, B or C"
    // (formats without a name are left out).
    QString readableFormatNames() const;

    QString listExtension() const { return listExtension_; }
    void setListExtension(const QString& extension) { listExtension_ = extension; }

private:
    void registerBuiltInGroup(bool media);
    void applyHandlerFactory(QStringView extension, const FormatHandlerFactory& factory);
    bool isDeferredMedia(QStringView path) const;
    // Registers the deferred formats when playback is available; the table
    // stands for them already, so const readers may do it.
    void settleDeferredMedia() const;

    PlaybackQuery deferredPlayback_;
    // The built-in decoders handed in so far, also for media formats that
    // are registered only when settled.
    std::vector<std::pair<QString, FormatHandlerFactory>> builtInFactories_;
    std::vector<PictureFileType> fileTypes_;
    QStringList pictureExtensions_;
    std::vector<FormatListEntry> formats_;
    QString writeFilter_;
    QString listExtension_ = defaultListExtension();

    static QString defaultListExtension() { return QStringLiteral(".csv"); }
};

} // namespace vistello
