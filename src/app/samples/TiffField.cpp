#include "app/samples/TiffField.h"

#include <bit>
#include <utility>

namespace vistello::samples {

namespace {

// Appends the low `size` bytes of value in both byte orders.
void appendComponent(QByteArray& little, QByteArray& big, uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        little.append(char((value >> (8 * i)) & 0xFF));
    for (int i = size - 1; i >= 0; --i)
        big.append(char((value >> (8 * i)) & 0xFF));
}

uint64_t componentBits(uint8_t v) { return v; }
uint64_t componentBits(int8_t v) { return uint8_t(v); }
uint64_t componentBits(uint16_t v) { return v; }
uint64_t componentBits(int16_t v) { return uint16_t(v); }
uint64_t componentBits(uint32_t v) { return v; }
uint64_t componentBits(int32_t v) { return uint32_t(v); }
uint64_t componentBits(float v) { return std::bit_cast<uint32_t>(v); }
uint64_t componentBits(double v) { return std::bit_cast<uint64_t>(v); }

} // namespace

uint32_t tiffTypeSize(uint16_t type)
{
    constexpr uint32_t kSizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
    return type < std::size(kSizes) ? kSizes[type] : 0;
}

TiffField::TiffField(uint16_t tag, uint16_t type, uint32_t count, Kind kind)
    : tag_(tag), type_(type), count_(count), kind_(kind)
{
}

template <typename T>
TiffField TiffField::numbers(uint16_t tag, TiffType type, const std::vector<T>& values, int componentsPerValue)
{
    TiffField f(tag, uint16_t(type), uint32_t(values.size() / size_t(componentsPerValue)), Kind::Value);
    const int size = int(tiffTypeSize(uint16_t(type))) / componentsPerValue;
    for (const T& v : values)
        appendComponent(f.little_, f.big_, componentBits(v), size);
    return f;
}

TiffField TiffField::bytes(uint16_t tag, const std::vector<uint8_t>& values)
{
    return numbers(tag, TiffType::Byte, values, 1);
}

TiffField TiffField::ascii(uint16_t tag, const QByteArray& text)
{
    QByteArray data = text;
    data.append('\0');
    return encoded(tag, uint16_t(TiffType::Ascii), uint32_t(data.size()), data);
}

TiffField TiffField::shorts(uint16_t tag, const std::vector<uint16_t>& values)
{
    return numbers(tag, TiffType::Short, values, 1);
}

TiffField TiffField::longs(uint16_t tag, const std::vector<uint32_t>& values)
{
    return numbers(tag, TiffType::Long, values, 1);
}

TiffField TiffField::rationals(uint16_t tag, const std::vector<URational>& values)
{
    std::vector<uint32_t> parts;
    for (const URational& r : values) {
        parts.push_back(r.numerator);
        parts.push_back(r.denominator);
    }
    return numbers(tag, TiffType::Rational, parts, 2);
}

TiffField TiffField::sbytes(uint16_t tag, const std::vector<int8_t>& values)
{
    return numbers(tag, TiffType::SByte, values, 1);
}

TiffField TiffField::undefined(uint16_t tag, const QByteArray& data)
{
    return encoded(tag, uint16_t(TiffType::Undefined), uint32_t(data.size()), data);
}

TiffField TiffField::sshorts(uint16_t tag, const std::vector<int16_t>& values)
{
    return numbers(tag, TiffType::SShort, values, 1);
}

TiffField TiffField::slongs(uint16_t tag, const std::vector<int32_t>& values)
{
    return numbers(tag, TiffType::SLong, values, 1);
}

TiffField TiffField::srationals(uint16_t tag, const std::vector<SRational>& values)
{
    std::vector<int32_t> parts;
    for (const SRational& r : values) {
        parts.push_back(r.numerator);
        parts.push_back(r.denominator);
    }
    return numbers(tag, TiffType::SRational, parts, 2);
}

TiffField TiffField::floats(uint16_t tag, const std::vector<float>& values)
{
    return numbers(tag, TiffType::Float, values, 1);
}

TiffField TiffField::doubles(uint16_t tag, const std::vector<double>& values)
{
    return numbers(tag, TiffType::Double, values, 1);
}

TiffField TiffField::directory(uint16_t tag, std::shared_ptr<TiffDirectory> dir)
{
    TiffField f(tag, uint16_t(TiffType::Long), 1, Kind::Directory);
    f.directory_ = std::move(dir);
    return f;
}

TiffField TiffField::backLink(uint16_t tag, const std::shared_ptr<TiffDirectory>& dir)
{
    TiffField f(tag, uint16_t(TiffType::Long), 1, Kind::Directory);
    f.backLink_ = dir;
    return f;
}

TiffField TiffField::offsetOf(uint16_t tag, const QByteArray& blob)
{
    TiffField f(tag, uint16_t(TiffType::Long), 1, Kind::Blob);
    f.little_ = blob;
    return f;
}

TiffField TiffField::embedded(uint16_t tag, EmbeddedDirectory note)
{
    TiffField f(tag, uint16_t(TiffType::Undefined), 0, Kind::Embedded);
    f.note_ = std::move(note);
    return f;
}

TiffField TiffField::encoded(uint16_t tag, uint16_t type, uint32_t count, const QByteArray& valueBytes)
{
    TiffField f(tag, type, count, Kind::Value);
    f.little_ = valueBytes;
    f.big_ = valueBytes;
    return f;
}

TiffField TiffField::valueWord(uint16_t tag, uint16_t type, uint32_t count, uint32_t word)
{
    TiffField f(tag, type, count, Kind::Word);
    f.word_ = word;
    return f;
}

const QByteArray& TiffField::valueBytes(TiffByteOrder order) const
{
    return order == TiffByteOrder::LittleEndian ? little_ : big_;
}

} // namespace vistello::samples
