#pragma once
// Which header segments survive when a JPEG is transformed losslessly or
// re-encoded, and which segments a newly written JPEG carries. The source
// keeps every APPn and COM segment (saveAllHeaderMarkers before
// jpeg_read_header); after the library has written its own SOI, JFIF and
// Adobe segments, the saved ones follow in source order, minus the JFIF and
// Adobe segments the library has already written.
#include "jpegmeta/segments/SavedMarker.h"

#include <QByteArray>
#include <span>

struct jpeg_compress_struct;

namespace vistello {

// jpeg_save_markers for COM and APP0..APP15 with the full length.
void saveAllHeaderMarkers(jpeg_decompress_struct& source);

// Lossless transform, after jpeg_copy_critical_parameters: the library's
// JFIF header is kept unless the source has an EXIF block.
void chooseJfifForLosslessTransform(const jpeg_decompress_struct& source, jpeg_compress_struct& destination);
// Re-encoding a JPEG: the library writes its JFIF header only when the
// source has neither a JFIF nor an EXIF segment (a source JFIF is copied).
void chooseJfifForReencode(const jpeg_decompress_struct& source, jpeg_compress_struct& destination);
void chooseJfifForReencode(std::span<const SavedMarkerView> markers, jpeg_compress_struct& destination);
// Re-encoding writes YCbCr, so the profile of a grey or CMYK source must go.
bool reencodeDropsIccProfile(const jpeg_decompress_struct& source);

// Writes the saved segments after jpeg_write_coefficients / jpeg_start_compress.
void copySavedSegments(std::span<const SavedMarkerView> markers, jpeg_compress_struct& destination,
                       bool dropIccChunks = false);
void copySavedSegments(const jpeg_decompress_struct& source, jpeg_compress_struct& destination,
                       bool dropIccChunks = false);
// Re-encoding: the same, but an Adobe segment is never copied. The new
// picture is YCbCr; the source's Adobe colour transform code (RGB, CMYK,
// YCCK) would make readers take it for something else.
void copySegmentsForReencode(std::span<const SavedMarkerView> markers, jpeg_compress_struct& destination,
                             bool dropIccChunks);

// Headers of a JPEG written from a picture that was not a JPEG, with a
// thumbnail: call before jpeg_start_compress; true when the JFIF and JFXX
// segments are to be written by writeNewJpegHeaders (the library's own JFIF
// header is then off). A thumbnail that does not fit into one segment is
// left out and the library's header stays.
bool prepareNewJpegHeaders(jpeg_compress_struct& destination, const QByteArray& thumbnail);
// After jpeg_start_compress: the JFIF segment (from the compressor's version
// and density) and the JFXX segment holding the thumbnail.
void writeNewJpegHeaders(jpeg_compress_struct& destination, const QByteArray& thumbnail);

} // namespace vistello
