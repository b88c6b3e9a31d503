#include "jpegmeta/segments/CommentSegment.h"

#include "jpegmeta/segments/JpegMarkers.h"

#include <QStringDecoder>

namespace vistello {

namespace {

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
    if (text.size() > kMaxCommentCharacters)
        return std::nullopt;
    if (text.isEmpty())
        return QByteArray();
    const QByteArray bytes = text.toUtf8();
    const int64_t length = int64_t(bytes.size()) + 1 + 2; // text, terminator, length field
    if (length > jpeg::kMaxLength)
        return std::nullopt;
    QByteArray segment;
    segment.reserve(qsizetype(length + 2));
    segment.append(char(0xFF)).append(char(jpeg::kCom));
    segment.append(char(length >> 8)).append(char(length & 0xFF));
    segment.append(bytes).append('\0');
    return segment;
}

QString readCommentSegment(const QByteArray& payload, qsizetype maxCharacters)
{
    const qsizetype n = payload.size();
    if (n > 2 && payload[n - 1] == '\0' && payload[n - 2] == '\0') {
        const qsizetype units = std::min(n / 2, maxCharacters);
        QString text(units, Qt::Uninitialized);
        for (qsizetype i = 0; i < units; ++i)
            text[i] = QChar(char16_t(uint8_t(payload[2 * i]) | (uint8_t(payload[2 * i + 1]) << 8)));
        return untilZero(text);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(payload);
    if (utf8.hasError())
        text = QString::fromLatin1(payload);
    return untilZero(text).left(maxCharacters);
}

} // namespace vistello
