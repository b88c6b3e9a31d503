#pragma once
// Whole-file text input shared by every text file the program reads
// (settings, picture lists, comment lists, templates). The encoding is taken
// from the byte-order mark: UTF-16 LE/BE, UTF-8; without one, valid UTF-8 is
// read as UTF-8 and anything else as Latin-1.
#include <QByteArray>
#include <QString>

namespace vistello {

class TextFileReader {
public:
    // Files larger than this are not read (a list or settings file never is).
    static constexpr qint64 kDefaultMaxBytes = qint64(64) * 1024 * 1024;

    // A failed open leaves the reader empty.
    bool open(const QString& path, qint64 maxBytes = kDefaultMaxBytes);
    // The whole file as text; empty for an empty, unreadable or too large file.
    QString readAll();
    void close();

    static QString decode(const QByteArray& bytes);

private:
    QByteArray bytes_;
};

} // namespace vistello
