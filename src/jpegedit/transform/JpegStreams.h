#pragma once
// The engine's own source and destination managers for the JPEG library.
// Their state lives in the library object's permanent pool, so nothing
// needs freeing apart from the object itself.
#include <QIODevice>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <jpeglib.h>

namespace vistello {

// Reads from a buffer that stays valid while the decompressor reads. Past
// its end the library is given an EOI (with a warning), so a truncated
// stream ends cleanly instead of waiting for data.
void attachMemorySource(jpeg_decompress_struct& cinfo, const uint8_t* data, size_t size);

// Writes into a caller's buffer of fixed capacity; output that does not fit
// raises a library error. writtenBytes() tells the length after finishing.
void attachFixedMemoryDestination(jpeg_compress_struct& cinfo, uint8_t* buffer, size_t capacity);
size_t writtenBytes(const jpeg_compress_struct& cinfo);

// Writes to an open device; a failed write raises a library error.
void attachDeviceDestination(jpeg_compress_struct& cinfo, QIODevice& device);

} // namespace vistello
