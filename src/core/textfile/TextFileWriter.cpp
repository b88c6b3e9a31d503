#include "core/textfile/TextFileWriter.h"

#include "core/textfile/Utf8Codec.h"
#include "platform/FileReplace.h"

#include <QFileInfo>

namespace vistello {

bool TextFileWriter::open(const QString& path)
{
    path_ = path;
    bytes_ = QByteArray("\xEF\xBB\xBF", 3);
    // A folder that is not there fails now rather than at commit().
    open_ = !path.isEmpty() && QFileInfo(QFileInfo(path).absolutePath()).isDir();
    return open_;
}

bool TextFileWriter::isOpen() const
{
    return open_;
}

void TextFileWriter::write(const QString& text)
{
    if (open_)
        bytes_ += encode(text);
}

void TextFileWriter::writeInt(int value)
{
    write(hexMode_ ? QString::asprintf("%02x", static_cast<unsigned>(value)) : QString::number(value));
}

bool TextFileWriter::commit()
{
    if (!open_)
        return false;
    open_ = false;
    const bool written = writeProductFile(path_, bytes_);
    bytes_.clear();
    return written;
}

QByteArray TextFileWriter::encode(const QString& text)
{
    return encodeUtf8(text);
}

} // namespace vistello
