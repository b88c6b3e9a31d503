#include "jpegmeta/segments/CommentSegment.h"

#include "jpegmeta/segments/JpegMarkers.h"
#include "jpegmeta/segments/PictureReplace.h"
#include "jpegmeta/segments/RewritableHeader.h"

#include <QStringDecoder>
#include <algorithm>

namespace vistello {

namespace {

constexpr qsizetype kMaxReadBytes = 2047;
constexpr qsizetype kMaxReadCharacters = 1023;

bool fitsInOneByte(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

QString untilZero(QString text)
{
    const qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 0)
        text.truncate(zero);
    return text;
}

} // namespace

std::optional<QByteArray> encodeCommentSegment(const QString& text)
{
    const qsizetype n = text.size();
    if (n > kMaxCommentCharacters)
        return std::nullopt;
    if (n == 0)
        return QByteArray();
    const int unit = fitsInOneByte(text) ? 1 : 2;
    const int64_t length = int64_t(unit) * (n + 1) + 2;
    if (length > jpeg::kMaxLength)
        return std::nullopt;
    QByteArray segment;
    segment.reserve(qsizetype(length + 2));
    segment.append(char(0xFF)).append(char(jpeg::kCom));
    segment.append(char(length >> 8)).append(char(length & 0xFF));
    for (QChar c : text) {
        segment.append(char(c.unicode() & 0xFF));
        if (unit == 2)
            segment.append(char(c.unicode() >> 8));
    }
    segment.append(qsizetype(unit), '\0');
    return segment;
}

QString readCommentSegment(const QByteArray& payload)
{
    const qsizetype n = payload.size();
    if (n > 2 && payload[n - 1] == '\0' && payload[n - 2] == '\0') {
        const qsizetype units = std::min(n, kMaxReadBytes) / 2;
        QString text(units, Qt::Uninitialized);
        for (qsizetype i = 0; i < units; ++i)
            text[i] = QChar(char16_t(uint8_t(payload[2 * i]) | (uint8_t(payload[2 * i + 1]) << 8)));
        return untilZero(text);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(payload);
    if (utf8.hasError())
        text = QString::fromLatin1(payload);
    return untilZero(text).left(kMaxReadCharacters);
}

HeaderEditStatus writeCommentSegment(const QString& picture, const QString& text)
{
    const std::optional<QByteArray> segment = encodeCommentSegment(text);
    if (!segment)
        return HeaderEditStatus::CommentTooLong;
    FileByteSource source(picture);
    if (!source.isOpen())
        return HeaderEditStatus::CannotOpen;
    const RewritableHeader header = checkRewritableHeader(source);
    if (!header.ok())
        return header.status;
    // The APPn segments before the first COM stay in front of the new comment.
    const int64_t insertAt = header.firstComment.value_or(header.headerEnd);
    const int64_t restFrom = header.firstComment ? header.firstCommentEnd : header.headerEnd;
    const bool replaced = replaceFileKeepingPictureDate(picture, [&](QIODevice& out) {
        return copyRange(source, 0, insertAt, out) && out.write(*segment) == segment->size() &&
               copyRange(source, restFrom, header.fileSize, out);
    });
    return replaced ? HeaderEditStatus::Done : HeaderEditStatus::WriteFailed;
}

} // namespace vistello
