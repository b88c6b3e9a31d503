#pragma once
// JPEG marker numbers and the content signatures of the header segments.
// The signature tests take a segment's payload (the bytes after the length).
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vistello::jpeg {

constexpr uint8_t kSoi = 0xD8;
constexpr uint8_t kEoi = 0xD9;
constexpr uint8_t kApp0 = 0xE0;
constexpr uint8_t kApp1 = 0xE1;
constexpr uint8_t kApp2 = 0xE2;
constexpr uint8_t kApp12 = 0xEC;
constexpr uint8_t kApp13 = 0xED;
constexpr uint8_t kApp14 = 0xEE;
constexpr uint8_t kCom = 0xFE;

// Largest length field: it counts itself, so a payload holds at most 65533 bytes.
constexpr int64_t kMaxLength = 0xFFFF;
constexpr int64_t kMaxPayload = kMaxLength - 2;

constexpr bool isApp(uint8_t marker) { return (marker & 0xF0) == 0xE0; }
// The markers of the header run: APP0-APP15 and COM.
constexpr bool isHeaderMarker(uint8_t marker) { return isApp(marker) || marker == kCom; }

inline bool startsWith(const uint8_t* data, int64_t size, std::string_view prefix)
{
    return size >= int64_t(prefix.size()) && std::memcmp(data, prefix.data(), prefix.size()) == 0;
}

using namespace std::string_view_literals;
constexpr std::string_view kJfifSignature = "JFIF\0"sv;
constexpr std::string_view kJfxxThumbnailSignature = "JFXX\0\x10\xFF\xD8"sv; // extension 0x10: JPEG-coded
constexpr std::string_view kExifSignature = "Exif\0\0"sv;
constexpr std::string_view kIccSignature = "ICC_PROFILE\0"sv;
constexpr std::string_view kAdobeSignature = "Adobe"sv;
// "Audio Stream" in UTF-16LE, without terminator.
constexpr std::string_view kAudioStream = "A\0u\0d\0i\0o\0 \0S\0t\0r\0e\0a\0m\0"sv;
constexpr int64_t kIccHeaderSize = 14; // signature, sequence number, chunk count

inline bool isJfif(uint8_t marker, const uint8_t* p, int64_t n) { return marker == kApp0 && startsWith(p, n, kJfifSignature); }
inline bool isJfxxThumbnail(uint8_t marker, const uint8_t* p, int64_t n)
{
    return marker == kApp0 && startsWith(p, n, kJfxxThumbnailSignature);
}
inline bool isExif(uint8_t marker, const uint8_t* p, int64_t n) { return marker == kApp1 && startsWith(p, n, kExifSignature); }
inline bool isIccChunk(uint8_t marker, const uint8_t* p, int64_t n)
{
    return marker == kApp2 && n >= kIccHeaderSize && startsWith(p, n, kIccSignature);
}
inline bool isAdobe(uint8_t marker, const uint8_t* p, int64_t n) { return marker == kApp14 && startsWith(p, n, kAdobeSignature); }
inline bool containsAudioStream(const uint8_t* p, int64_t n)
{
    return n >= int64_t(kAudioStream.size()) &&
           std::string_view(reinterpret_cast<const char*>(p), size_t(n)).find(kAudioStream) != std::string_view::npos;
}

} // namespace vistello::jpeg
