#pragma once
// The picture comment stored in the file's first COM segment. Texts are
// written as UTF-8 with a zero terminator (the desktop's own encoding, which
// every text fits and other tools show as it is); texts written by older
// programs in UTF-16LE or Latin-1 are still read.
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
// ends in two zero bytes; otherwise UTF-8 when the bytes are valid UTF-8,
// else Latin-1. The text ends at its first zero character and is cut to
// maxCharacters (what the information views show); appending to a comment
// reads it whole.
constexpr qsizetype kShownCommentCharacters = 1023;
QString readCommentSegment(const QByteArray& payload, qsizetype maxCharacters = kShownCommentCharacters);

} // namespace vistello
