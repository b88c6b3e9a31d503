#pragma once
// UTF-8 text output with a byte-order mark. The file is built under a
// temporary name and replaces the target only when commit() succeeds, so a
// failed write never destroys the old file.
#include <QString>
#include <memory>

class QSaveFile;

namespace vistello {

class TextFileWriter {
public:
    TextFileWriter();
    ~TextFileWriter(); // discards an uncommitted file

    // Starts the file and writes EF BB BF. A failed open makes every later write do nothing.
    bool open(const QString& path);
    bool isOpen() const;
    // Characters beyond U+FFFF are written as one 4-byte sequence.
    void write(const QString& text);
    // "%d", or "%02x" while hex mode is on.
    void writeInt(int value);
    void setHexMode(bool on) { hexMode_ = on; }
    // Puts the written file in place; false when anything failed.
    bool commit();

    static QByteArray encode(const QString& text);

private:
    std::unique_ptr<QSaveFile> file_;
    bool hexMode_ = false;
    bool failed_ = false;
};

} // namespace vistello
