#include "jpegmeta/segments/SegmentCopyPolicy.h"

#include "jpegmeta/segments/JpegMarkers.h"

#include <cstdio>
#include <jpeglib.h>

namespace vistello {

namespace {

constexpr int64_t kJfxxPrefix = 6; // "JFXX", 0, extension code 0x10

bool hasSegment(std::span<const SavedMarkerView> markers, bool (*test)(uint8_t, const uint8_t*, int64_t))
{
    for (const SavedMarkerView& m : markers)
        if (test(m.marker, m.data, m.dataLength))
            return true;
    return false;
}

} // namespace

void saveAllHeaderMarkers(jpeg_decompress_struct& source)
{
    jpeg_save_markers(&source, JPEG_COM, 0xFFFF);
    for (int n = 0; n < 16; ++n)
        jpeg_save_markers(&source, JPEG_APP0 + n, 0xFFFF);
}

void chooseJfifForLosslessTransform(const jpeg_decompress_struct& source, jpeg_compress_struct& destination)
{
    if (hasSegment(savedMarkers(source), jpeg::isExif))
        destination.write_JFIF_header = FALSE;
}

void chooseJfifForReencode(const jpeg_decompress_struct& source, jpeg_compress_struct& destination)
{
    chooseJfifForReencode(savedMarkers(source), destination);
}

void chooseJfifForReencode(std::span<const SavedMarkerView> markers, jpeg_compress_struct& destination)
{
    destination.write_JFIF_header = (hasSegment(markers, jpeg::isJfif) || hasSegment(markers, jpeg::isExif)) ? FALSE : TRUE;
}

bool reencodeDropsIccProfile(const jpeg_decompress_struct& source)
{
    return source.out_color_space != JCS_RGB;
}

namespace {

void copySegments(std::span<const SavedMarkerView> markers, jpeg_compress_struct& destination, bool dropIccChunks,
                  bool dropAdobe)
{
    for (const SavedMarkerView& m : markers) {
        if (destination.write_JFIF_header && jpeg::isJfif(m.marker, m.data, m.dataLength))
            continue;
        if ((dropAdobe || destination.write_Adobe_marker) && jpeg::isAdobe(m.marker, m.data, m.dataLength))
            continue;
        if (dropIccChunks && jpeg::isIccChunk(m.marker, m.data, m.dataLength))
            continue;
        // A segment that no length field can describe is never written.
        if (m.dataLength > jpeg::kMaxPayload)
            continue;
        jpeg_write_marker(&destination, m.marker, m.data, m.dataLength);
    }
}

} // namespace

void copySavedSegments(std::span<const SavedMarkerView> markers, jpeg_compress_struct& destination, bool dropIccChunks)
{
    copySegments(markers, destination, dropIccChunks, false);
}

void copySegmentsForReencode(std::span<const SavedMarkerView> markers, jpeg_compress_struct& destination,
                             bool dropIccChunks)
{
    copySegments(markers, destination, dropIccChunks, true);
}

void copySavedSegments(const jpeg_decompress_struct& source, jpeg_compress_struct& destination, bool dropIccChunks)
{
    copySavedSegments(savedMarkers(source), destination, dropIccChunks);
}

bool prepareNewJpegHeaders(jpeg_compress_struct& destination, const QByteArray& thumbnail)
{
    if (thumbnail.isEmpty() || thumbnail.size() + kJfxxPrefix > jpeg::kMaxPayload)
        return false;
    destination.write_JFIF_header = FALSE;
    return true;
}

void writeNewJpegHeaders(jpeg_compress_struct& destination, const QByteArray& thumbnail)
{
    const JOCTET jfif[14] = {'J', 'F', 'I', 'F', 0,
                             destination.JFIF_major_version, destination.JFIF_minor_version, destination.density_unit,
                             JOCTET(destination.X_density >> 8), JOCTET(destination.X_density & 0xFF),
                             JOCTET(destination.Y_density >> 8), JOCTET(destination.Y_density & 0xFF),
                             0, 0};
    jpeg_write_marker(&destination, JPEG_APP0, jfif, sizeof jfif);

    QByteArray jfxx("JFXX\0\x10", int(kJfxxPrefix));
    jfxx.append(thumbnail);
    jpeg_write_marker(&destination, JPEG_APP0, reinterpret_cast<const JOCTET*>(jfxx.constData()),
                      static_cast<unsigned int>(jfxx.size()));
}

} // namespace vistello
