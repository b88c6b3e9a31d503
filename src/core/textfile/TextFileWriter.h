#pragma once
// UTF-8 text output with a byte-order mark. The text is gathered in memory
// and put in place by commit() as one complete file: a new file never takes
// the place of one that appeared meanwhile, and an existing file is replaced
// whole (its modification time becomes now) or not at all.
#include <QByteArray>
#include <QString>

namespace vistello {

class TextFileWriter {
public:
    // Starts the file and writes EF BB BF.
    bool open(const QString& path);
    bool isOpen() const;
    // Characters beyond U+FFFF are written as one 4-byte sequence.
    void write(const QString& text);
    // "%d", or "%02x" while hex mode is on.
    void writeInt(int value);
    void setHexMode(bool on) { hexMode_ = on; }
    // Puts the written file in place; false when anything failed.
    [[nodiscard]] bool commit();

    static QByteArray encode(const QString& text);

private:
    QString path_;
    QByteArray bytes_;
    bool open_ = false;
    bool hexMode_ = false;
};

} // namespace vistello
