#pragma once
// The UTF-8 conversions of the text files. Besides standard UTF-8 they know
// the form our older files used, where each UTF-16 code unit (also each half
// of a surrogate pair) was written as its own 1-3 byte sequence.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vistello {

// Lenient decoding: 1-4 byte sequences and the 3-byte surrogate halves;
// a lead byte without its continuation bytes and every stray byte with the
// top bit set are dropped.
QString decodeUtf8Lenient(QByteArrayView bytes);

// Strict check for BOM-less files: well-formed UTF-8, where a surrogate pair
// may also stand as two 3-byte halves.
bool isWellFormedUtf8(QByteArrayView bytes);

// Surrogate pairs become one 4-byte sequence; a lone surrogate is written as
// its own 3-byte sequence.
QByteArray encodeUtf8(QStringView text);

} // namespace vistello
