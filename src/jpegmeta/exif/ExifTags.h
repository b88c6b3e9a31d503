#pragma once
// Tag numbers the parsers act on.
#include <cstdint>

namespace vistello::exiftag {

constexpr uint16_t GpsVersion = 0x0000;
constexpr uint16_t CanonCameraSettings = 0x0001;
constexpr uint16_t CanonShotInfo = 0x0004;
constexpr uint16_t CanonCustomFunctions = 0x000F;
constexpr uint16_t Compression = 0x0103;
constexpr uint16_t Make = 0x010F;
constexpr uint16_t Model = 0x0110;
constexpr uint16_t Orientation = 0x0112;
constexpr uint16_t SubIfds = 0x014A;
constexpr uint16_t ThumbnailOffset = 0x0201;
constexpr uint16_t ThumbnailLength = 0x0202;
constexpr uint16_t ExposureTime = 0x829A;
constexpr uint16_t FNumber = 0x829D;
constexpr uint16_t ExifPointer = 0x8769;
constexpr uint16_t GpsPointer = 0x8825;
constexpr uint16_t DateTimeOriginal = 0x9003;
constexpr uint16_t ShutterSpeedValue = 0x9201;
constexpr uint16_t ApertureValue = 0x9202;
constexpr uint16_t MakerNote = 0x927C;
constexpr uint16_t UserComment = 0x9286;
constexpr uint16_t InteropPointer = 0xA005;
constexpr uint16_t SubIfdC36E = 0xC36E;
constexpr uint16_t SubIfdC36F = 0xC36F;

} // namespace vistello::exiftag
