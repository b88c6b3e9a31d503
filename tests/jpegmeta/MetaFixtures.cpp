#include "jpegmeta/MetaFixtures.h"

#include "app/samples/JpegWriter.h"

#include <QImage>

namespace vistello::test {

QByteArray segment(uint8_t marker, const QByteArray& payload)
{
    return segmentHead(marker, uint16_t(payload.size() + 2)) + payload;
}

QByteArray segmentHead(uint8_t marker, uint16_t length)
{
    QByteArray head;
    head.append(char(0xFF)).append(char(marker)).append(char(length >> 8)).append(char(length & 0xFF));
    return head;
}

QByteArray plainJpeg()
{
    static const QByteArray jpeg = [] {
        QImage image(16, 16, QImage::Format_RGB888);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                image.setPixelColor(x, y, QColor(x * 16, y * 16, 128));
        samples::JpegWriteOptions options;
        options.writeJfif = false;
        return samples::JpegWriter::encode(image, options);
    }();
    return jpeg;
}

QByteArray jpegWith(std::initializer_list<QByteArray> segments)
{
    QByteArray file("\xFF\xD8", 2);
    for (const QByteArray& s : segments)
        file += s;
    return file + plainJpeg().mid(2);
}

TiffBytes::TiffBytes(bool littleEndian, int size, uint32_t ifd0) : bytes(size, '\0'), little_(littleEndian)
{
    putRaw(0, littleEndian ? QByteArray("II") : QByteArray("MM"));
    put16(2, 42);
    put32(4, ifd0);
}

void TiffBytes::put16(int64_t at, uint16_t v)
{
    bytes[qsizetype(at)] = char(little_ ? v & 0xFF : v >> 8);
    bytes[qsizetype(at + 1)] = char(little_ ? v >> 8 : v & 0xFF);
}

void TiffBytes::put32(int64_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes[qsizetype(at + i)] = char(little_ ? (v >> (8 * i)) & 0xFF : (v >> (8 * (3 - i))) & 0xFF);
}

void TiffBytes::putRaw(int64_t at, const QByteArray& raw)
{
    bytes.replace(qsizetype(at), raw.size(), raw);
}

void TiffBytes::directory(int64_t d, uint16_t count, uint32_t next)
{
    put16(d, count);
    put32(d + 2 + 12 * int64_t(count), next);
}

void TiffBytes::entry(int64_t d, int i, uint16_t tag, uint16_t type, uint32_t count, uint32_t field)
{
    const int64_t e = d + 2 + 12 * int64_t(i);
    put16(e, tag);
    put16(e + 2, type);
    put32(e + 4, count);
    put32(e + 8, field);
}

void TiffBytes::shortEntry(int64_t d, int i, uint16_t tag, uint16_t value)
{
    entry(d, i, tag, 3, 1, 0);
    put16(d + 2 + 12 * int64_t(i) + 8, value);
}

void TiffBytes::rawEntry(int64_t d, int i, uint16_t tag, uint16_t type, uint32_t count, const QByteArray& field4)
{
    entry(d, i, tag, type, count, 0);
    putRaw(d + 2 + 12 * int64_t(i) + 8, field4);
}

QByteArray TiffBytes::app1Payload() const
{
    return QByteArray("Exif\0\0", 6) + bytes;
}

QByteArray TiffBytes::app1Segment() const
{
    return segment(0xE1, app1Payload());
}

} // namespace vistello::test
