#pragma once
// Registers the built-in picture formats together with their decoders: the
// file-type table knows names and extensions, the handlers live here.
#include <QStringView>
#include <functional>
#include <memory>

namespace vistello {

// The extensions the JPEG handler serves (".thm" has a variant of its own).
inline constexpr const char16_t* kJpegExtensions[] = {u".jpg", u".jpeg", u".jpe"};

class FormatHandler;
class PictureFileTypes;
class SettingsStore;

void registerBuiltInFormats(PictureFileTypes& types, bool videoAvailable, SettingsStore* settings);
// The same with video/MP3 deferred until a media name is met (see
// PictureFileTypes::registerBuiltInsDeferringMedia).
void registerBuiltInFormatsDeferringMedia(PictureFileTypes& types, const std::function<bool()>& playbackAvailable,
                                         SettingsStore* settings);

// A new handler for the first registered extension that ends path; null when
// the type is unknown or has no factory.
std::unique_ptr<FormatHandler> createFormatHandler(const PictureFileTypes& types, QStringView path);

} // namespace vistello
