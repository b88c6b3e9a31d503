#include "core/textfile/Utf8Codec.h"

namespace vistello {
namespace {

bool topBitSet(unsigned char b)
{
    return b >= 0x80;
}

bool isContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

void appendCodePoint(QString& out, char32_t cp)
{
    if (cp < 0x10000) {
        out.append(QChar(static_cast<char16_t>(cp)));
    } else {
        out.append(QChar(QChar::highSurrogate(cp)));
        out.append(QChar(QChar::lowSurrogate(cp)));
    }
}

// Length of the well-formed sequence at i (Unicode's table of well-formed
// byte sequences), or 0.
qsizetype wellFormedLength(QByteArrayView bytes, qsizetype i)
{
    const qsizetype n = bytes.size();
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char b0 = at(i);
    if (b0 < 0x80)
        return 1;
    if (b0 >= 0xC2 && b0 <= 0xDF)
        return (i + 1 < n && isContinuation(at(i + 1))) ? 2 : 0;
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        if (i + 2 >= n)
            return 0;
        const unsigned char b1 = at(i + 1);
        const unsigned char low = b0 == 0xE0 ? 0xA0 : 0x80;
        // ED A0..BF are surrogate halves; only accepted as a pair, below.
        const unsigned char high = b0 == 0xED ? 0x9F : 0xBF;
        return (b1 >= low && b1 <= high && isContinuation(at(i + 2))) ? 3 : 0;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        if (i + 3 >= n)
            return 0;
        const unsigned char b1 = at(i + 1);
        const unsigned char low = b0 == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = b0 == 0xF4 ? 0x8F : 0xBF;
        return (b1 >= low && b1 <= high && isContinuation(at(i + 2)) && isContinuation(at(i + 3))) ? 4 : 0;
    }
    return 0;
}

// A high surrogate half (ED A0..AF xx) followed by a low one (ED B0..BF xx).
bool isSurrogatePairForm(QByteArrayView bytes, qsizetype i)
{
    if (i + 5 >= bytes.size())
        return false;
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    return at(i) == 0xED && at(i + 1) >= 0xA0 && at(i + 1) <= 0xAF && isContinuation(at(i + 2))
        && at(i + 3) == 0xED && at(i + 4) >= 0xB0 && at(i + 4) <= 0xBF && isContinuation(at(i + 5));
}

} // namespace

QString decodeUtf8Lenient(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    const qsizetype n = bytes.size();
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    qsizetype i = 0;
    while (i < n) {
        const unsigned char b0 = at(i);
        if (b0 < 0x80) {
            out.append(QChar(b0));
            i += 1;
        } else if (b0 >= 0xC0 && b0 <= 0xDF && i + 1 < n && topBitSet(at(i + 1))) {
            out.append(QChar(static_cast<char16_t>(((b0 & 0x1F) << 6) | (at(i + 1) & 0x3F))));
            i += 2;
        } else if (b0 >= 0xE0 && b0 <= 0xEF && i + 2 < n && topBitSet(at(i + 1)) && topBitSet(at(i + 2))) {
            out.append(QChar(static_cast<char16_t>(((b0 & 0x0F) << 12) | ((at(i + 1) & 0x3F) << 6)
                                                   | (at(i + 2) & 0x3F))));
            i += 3;
        } else if (b0 >= 0xF0 && b0 <= 0xF4 && i + 3 < n && isContinuation(at(i + 1))
                   && isContinuation(at(i + 2)) && isContinuation(at(i + 3))) {
            const char32_t cp = (char32_t(b0 & 0x07) << 18) | (char32_t(at(i + 1) & 0x3F) << 12)
                              | (char32_t(at(i + 2) & 0x3F) << 6) | char32_t(at(i + 3) & 0x3F);
            if (cp >= 0x10000 && cp <= 0x10FFFF) {
                appendCodePoint(out, cp);
                i += 4;
            } else {
                i += 1;
            }
        } else {
            i += 1; // a stray or incomplete sequence byte is dropped
        }
    }
    return out;
}

bool isWellFormedUtf8(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (isSurrogatePairForm(bytes, i)) {
            i += 6;
            continue;
        }
        const qsizetype length = wellFormedLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

QByteArray encodeUtf8(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() * 3);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80) {
            out.append(static_cast<char>(u));
        } else if (u < 0x800) {
            out.append(static_cast<char>(0xC0 | (u >> 6)));
            out.append(static_cast<char>(0x80 | (u & 0x3F)));
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            const char32_t cp = QChar::surrogateToUcs4(u, text[i + 1].unicode());
            out.append(static_cast<char>(0xF0 | (cp >> 18)));
            out.append(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.append(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.append(static_cast<char>(0x80 | (cp & 0x3F)));
            ++i;
        } else {
            out.append(static_cast<char>(0xE0 | (u >> 12)));
            out.append(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
            out.append(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

} // namespace vistello
