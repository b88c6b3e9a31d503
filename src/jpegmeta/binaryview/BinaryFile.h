#pragma once
// The file behind the binary view. Only the window being shown is read
// (a video of several gigabytes is one tab away), with 64-bit offsets.
// Windows are read rather than mapped: a mapped file that another program
// truncates kills the reader with SIGBUS.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <vector>

namespace vistello {

// The bytes of a run of lines and which of them are drawn as JPEG markers.
struct BinaryPage {
    uint64_t offset = 0;
    QByteArray bytes;
    std::vector<bool> marked; // empty when markers are not shown
};

class BinaryFile {
public:
    // False (and an empty file) when it cannot be read.
    bool open(const QString& path);
    void close();
    uint64_t size() const { return size_; }
    // Whether the file is read by the same format handler as ".jpg" files.
    bool jpegMarks() const { return jpegMarks_; }

    // At most length bytes from offset, fewer at the end of the file.
    QByteArray read(uint64_t offset, int64_t length);
    BinaryPage page(uint64_t offset, int lines, int bytesPerLine);

private:
    QFile file_;
    uint64_t size_ = 0;
    bool jpegMarks_ = false;
};

} // namespace vistello
