#include "jpegmeta/exif/UserComment.h"

#include <QStringDecoder>
#include <algorithm>

namespace vistello {

namespace {

constexpr uint32_t kMaxCount = 1023;

QString trimmedBelowBlank(const QString& s)
{
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && s.at(from).unicode() <= 0x20)
        ++from;
    while (to > from && s.at(to - 1).unicode() <= 0x20)
        --to;
    return s.mid(from, to - from);
}

QString decodeUtf16(const QByteArray& raw, bool littleEndian)
{
    qsizetype start = 0;
    if (raw.size() >= 2) {
        const uint8_t a = uint8_t(raw[0]);
        const uint8_t b = uint8_t(raw[1]);
        if ((a == 0xFF && b == 0xFE) || (a == 0xFE && b == 0xFF)) {
            littleEndian = a == 0xFF;
            start = 2;
        }
    }
    QString text;
    for (qsizetype i = start; i + 1 < raw.size(); i += 2) {
        const uint8_t a = uint8_t(raw[i]);
        const uint8_t b = uint8_t(raw[i + 1]);
        const char16_t c = littleEndian ? char16_t(a | (b << 8)) : char16_t((a << 8) | b);
        if (c >= 0x20)
            text.append(QChar(c));
    }
    return text;
}

} // namespace

UserCommentText decodeUserComment(const TiffBlock& block, int64_t offset, uint32_t count)
{
    UserCommentText result;
    const uint32_t n = std::min(count, kMaxCount);
    QByteArray raw(qsizetype(n), '\0');
    for (uint32_t i = 0; i < n; ++i)
        raw[qsizetype(i)] = char(block.byte(offset + i));

    QString code;
    for (qsizetype i = 0; i < std::min<qsizetype>(8, raw.size()); ++i)
        if (uint8_t(raw[i]) >= 0x20)
            code.append(QChar(uint8_t(raw[i])));
    result.code = trimmedBelowBlank(code);
    if (raw.size() <= 8)
        return result;
    const QByteArray body = raw.mid(8);

    if (result.code.compare(QLatin1String("unicode"), Qt::CaseInsensitive) == 0) {
        result.text = trimmedBelowBlank(decodeUtf16(body, block.littleEndian()));
        return result;
    }
    QByteArray printable;
    printable.reserve(body.size());
    for (char c : body)
        if (uint8_t(c) >= 0x20)
            printable.append(c);
    if (printable.isEmpty())
        return result;
    if (result.code.compare(QLatin1String("jis"), Qt::CaseInsensitive) == 0) {
        QStringDecoder shiftJis("Shift_JIS");
        result.text = shiftJis.isValid() ? QString(shiftJis(printable)) : QString::fromLatin1(printable);
    } else {
        result.text = QString::fromLatin1(printable);
    }
    result.text = trimmedBelowBlank(result.text);
    return result;
}

} // namespace vistello
