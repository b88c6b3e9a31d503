#pragma once
// The picture comment stored in the file's first COM segment. Texts whose
// characters all fit in one byte are written one byte per character with a
// zero terminator; others as UTF-16LE with a two-byte terminator, no
// byte-order mark.
#include "jpegmeta/segments/HeaderEditStatus.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace vistello {

// Longest text accepted at all (in UTF-16 units).
constexpr qsizetype kMaxCommentCharacters = 65520;

// The whole COM segment (FF FE, length, text, terminator) for a non-empty
// text; an empty array for an empty text; nothing when the text does not fit
// into one segment.
std::optional<QByteArray> encodeCommentSegment(const QString& text);

// The text of a COM payload: UTF-16LE when it is longer than 2 bytes and
// ends in two zero bytes (at most 1023 characters); otherwise UTF-8 when the
// bytes are valid UTF-8, else Latin-1 (at most 1023 characters). The text
// ends at its first zero character.
QString readCommentSegment(const QByteArray& payload);

// Puts text into the picture's first COM segment: the APPn segments before
// it stay, the new COM takes the old one's place (or goes in front of the
// first non-APPn segment), later COM segments stay. An empty text removes the
// first COM. The picture date becomes the file's modification time.
HeaderEditStatus writeCommentSegment(const QString& picture, const QString& text);

} // namespace vistello
