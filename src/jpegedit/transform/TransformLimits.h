#pragma once
// What one transform may make the JPEG library hold. The engine keeps only
// the source's coefficient arrays (2 bytes per coefficient; the output is
// made row by row), so the claimed picture size alone decides the memory,
// and a hostile header can claim gigabytes in a few hundred bytes.
//
// Policy:
// - Cap: 6 GiB, the arrays of a 1-gigapixel picture without chroma
//   subsampling (4:2:0 takes half), so the largest panoramas still turn.
// - Density: a complete Huffman-coded stream spends at least one bit on
//   every block (a DC code in sequential and progressive scans alike), i.e.
//   one byte of file per 8 blocks = 1 KiB of coefficients. A header claiming
//   more blocks than that is a truncated or forged file; above a floor of
//   256 MiB (about 90 megapixels in 4:2:0) it is refused before anything is
//   allocated. Below the floor truncated files still transform (their
//   missing part reads as grey). Arithmetic coding has no such bound (a
//   flat picture takes far less than a bit per block), so only the cap
//   applies to it.
// - Scans: a progressive file has about 10; more than 500 are an attack
//   that makes every block be decoded over and over.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <jpeglib.h>

namespace vistello {

inline constexpr int64_t kMaxCoefficientBytes = int64_t(6) << 30;
inline constexpr int64_t kCoefficientFloorBytes = int64_t(256) << 20;
inline constexpr int64_t kCoefficientBytesPerFileByte = 8 * DCTSIZE2 * int64_t(sizeof(JCOEF));
inline constexpr int kMaxTransformScans = 500;

// The source's coefficient arrays as the library allocates them (each
// component padded to whole iMCUs), from the frame header.
int64_t coefficientBytes(const jpeg_decompress_struct& header);

// How much coefficient memory a stream of this many bytes may claim.
int64_t coefficientAllowance(size_t streamBytes, bool arithmetic);

} // namespace vistello
