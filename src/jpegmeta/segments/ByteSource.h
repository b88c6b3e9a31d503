#pragma once
// Random access to the bytes of a picture, bounded: a read returns only the
// bytes that exist. The header readers use it so that a file is read a few
// bytes at a time (a 20 MB picture's header run is read without the rest)
// and so that the same code runs on bytes in memory.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace vistello {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual int64_t size() const = 0;
    // Up to n bytes at offset; fewer (or none) when they do not exist.
    virtual QByteArray read(int64_t offset, int64_t n) = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(const QByteArray& bytes) : bytes_(bytes) {}
    int64_t size() const override { return bytes_.size(); }
    QByteArray read(int64_t offset, int64_t n) override;

private:
    QByteArray bytes_;
};

class FileByteSource final : public ByteSource {
public:
    explicit FileByteSource(const QString& path);
    bool isOpen() const { return file_.isOpen(); }
    int64_t size() const override { return size_; }
    QByteArray read(int64_t offset, int64_t n) override;

private:
    // Small reads (segment heads) are served from one read-ahead window.
    static constexpr int64_t kWindow = 4096;

    QFile file_;
    int64_t size_ = 0;
    int64_t windowOffset_ = 0;
    QByteArray window_;
};

} // namespace vistello
