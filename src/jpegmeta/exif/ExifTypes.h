#pragma once
// Value types of TIFF directory entries and the directory kinds the parser
// tags every entry with. The kind numbers are fixed: the tag-name tables and
// value formatters are chosen by them.
#include <cstdint>

namespace vistello {

enum class IfdKind : uint8_t {
    Ifd0 = 2,              // main picture
    ExifIfd = 3,           // EXIF sub-IFD and other sub-IFDs (SubIFDs, 0xC36E, 0xC36F)
    GpsIfd = 4,
    Ifd1 = 5,              // thumbnail
    InteropIfd = 6,
    CanonNote = 7,
    CanonCameraSettings = 8,
    CanonShotInfo = 9,
    CanonCustomFunctions = 10,
    NikonNoteWithHeader = 11,
    NikonNoteWithoutHeader = 12,
    OlympusNote = 13,
    CasioNote = 14,
    FujiNote = 15,
};

namespace exiftype {
constexpr uint16_t Byte = 1;
constexpr uint16_t Ascii = 2;
constexpr uint16_t Short = 3;
constexpr uint16_t Long = 4;
constexpr uint16_t Rational = 5;
constexpr uint16_t SByte = 6;
constexpr uint16_t Undefined = 7;
constexpr uint16_t SShort = 8;
constexpr uint16_t SLong = 9;
constexpr uint16_t SRational = 10;
} // namespace exiftype

// Types 0 and above 10 (FLOAT and DOUBLE included) are read as BYTE.
constexpr uint16_t correctedType(uint16_t type) { return (type == 0 || type > 10) ? exiftype::Byte : type; }

// Byte size of one element of a corrected type.
constexpr uint32_t typeSize(uint16_t type)
{
    constexpr uint8_t kSizes[11] = {1, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8};
    return kSizes[correctedType(type)];
}

// Byte size of count elements, in 64 bits so that no count overflows it.
constexpr uint64_t totalSize(uint16_t type, uint32_t count) { return uint64_t(typeSize(type)) * count; }

} // namespace vistello
