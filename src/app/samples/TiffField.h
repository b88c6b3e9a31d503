#pragma once
// One entry of a TIFF directory under construction. Typed values are kept
// encoded in both byte orders, so one description serves "II" and "MM"
// blocks; links to directories and data blobs are resolved at layout time.
#include <QByteArray>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace vistello::samples {

enum class TiffByteOrder {
    LittleEndian, // "II"
    BigEndian,    // "MM"
};

enum class TiffType : uint16_t {
    Byte = 1,
    Ascii = 2,
    Short = 3,
    Long = 4,
    Rational = 5,
    SByte = 6,
    Undefined = 7,
    SShort = 8,
    SLong = 9,
    SRational = 10,
    Float = 11,
    Double = 12,
};

// Bytes of one value of a type number; 0 for numbers outside 1..12.
uint32_t tiffTypeSize(uint16_t type);

struct URational {
    uint32_t numerator;
    uint32_t denominator;
};

struct SRational {
    int32_t numerator;
    int32_t denominator;
};

class TiffDirectory;

// A directory stored inside an UNDEFINED value, the way maker notes are:
// prefix bytes, then the directory (word-aligned) and its data.
struct EmbeddedDirectory {
    QByteArray prefix;
    std::shared_ptr<TiffDirectory> directory;
    std::optional<uint32_t> offsetOrigin;   // offsets count from the note's start + this; none: from the TIFF header
    std::optional<TiffByteOrder> byteOrder; // none: the block's order
};

class TiffField {
public:
    enum class Kind {
        Value,     // typed values (or raw bytes), inline when they fit in 4 bytes
        Word,      // the value field written as given
        Directory, // LONG offset of a linked directory
        Blob,      // LONG offset of bytes placed in the data area
        Embedded,  // UNDEFINED bytes holding a directory
    };

    static TiffField bytes(uint16_t tag, const std::vector<uint8_t>& values);
    static TiffField ascii(uint16_t tag, const QByteArray& text); // a NUL is appended
    static TiffField shorts(uint16_t tag, const std::vector<uint16_t>& values);
    static TiffField longs(uint16_t tag, const std::vector<uint32_t>& values);
    static TiffField rationals(uint16_t tag, const std::vector<URational>& values);
    static TiffField sbytes(uint16_t tag, const std::vector<int8_t>& values);
    static TiffField undefined(uint16_t tag, const QByteArray& data);
    static TiffField sshorts(uint16_t tag, const std::vector<int16_t>& values);
    static TiffField slongs(uint16_t tag, const std::vector<int32_t>& values);
    static TiffField srationals(uint16_t tag, const std::vector<SRational>& values);
    static TiffField floats(uint16_t tag, const std::vector<float>& values);
    static TiffField doubles(uint16_t tag, const std::vector<double>& values);

    // A LONG pointing at a directory, which the field keeps alive. A
    // directory linked from several places is laid out once.
    static TiffField directory(uint16_t tag, std::shared_ptr<TiffDirectory> dir);
    // The same without keeping the directory alive, for links that close a
    // cycle (a directory pointing at itself or at one above it); the
    // directory must be owned elsewhere in the tree.
    static TiffField backLink(uint16_t tag, const std::shared_ptr<TiffDirectory>& dir);
    // A LONG holding the offset of bytes placed in the data area (thumbnails).
    static TiffField offsetOf(uint16_t tag, const QByteArray& blob);
    // An UNDEFINED value holding a directory; its count is the laid-out size.
    static TiffField embedded(uint16_t tag, EmbeddedDirectory note);

    // Escape hatches for hostile blocks. encoded: any type number and count
    // with value bytes already in the block's order (inline when ≤ 4 bytes).
    static TiffField encoded(uint16_t tag, uint16_t type, uint32_t count, const QByteArray& valueBytes);
    // valueWord: the value field holds this word, whatever type and count say
    // (explicit offsets, pointers past the end, cycles).
    static TiffField valueWord(uint16_t tag, uint16_t type, uint32_t count, uint32_t word);

    uint16_t tag() const { return tag_; }
    uint16_t type() const { return type_; }
    uint32_t count() const { return count_; }
    Kind kind() const { return kind_; }
    // Value bytes in the given order (Kind::Value).
    const QByteArray& valueBytes(TiffByteOrder order) const;
    uint32_t word() const { return word_; }
    const QByteArray& blob() const { return little_; }
    std::shared_ptr<TiffDirectory> linkedDirectory() const { return directory_ ? directory_ : backLink_.lock(); }
    const EmbeddedDirectory& note() const { return note_; }

private:
    TiffField(uint16_t tag, uint16_t type, uint32_t count, Kind kind);
    template <typename T>
    static TiffField numbers(uint16_t tag, TiffType type, const std::vector<T>& values, int componentsPerValue);

    uint16_t tag_ = 0;
    uint16_t type_ = 0;
    uint32_t count_ = 0;
    Kind kind_ = Kind::Value;
    QByteArray little_; // value bytes in "II" order, or the blob
    QByteArray big_;    // value bytes in "MM" order
    uint32_t word_ = 0;
    std::shared_ptr<TiffDirectory> directory_;
    std::weak_ptr<TiffDirectory> backLink_;
    EmbeddedDirectory note_;
};

} // namespace vistello::samples
