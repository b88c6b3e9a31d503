#include "core/textfile/TextFileWriter.h"

#include "core/textfile/Utf8Codec.h"

#include <QSaveFile>

namespace vistello {

TextFileWriter::TextFileWriter() = default;

TextFileWriter::~TextFileWriter() = default; // QSaveFile drops an uncommitted file

bool TextFileWriter::open(const QString& path)
{
    failed_ = false;
    file_ = std::make_unique<QSaveFile>(path);
    if (!file_->open(QIODevice::WriteOnly)) {
        file_.reset();
        failed_ = true;
        return false;
    }
    if (file_->write("\xEF\xBB\xBF", 3) != 3)
        failed_ = true;
    return !failed_;
}

bool TextFileWriter::isOpen() const
{
    return file_ != nullptr && !failed_;
}

void TextFileWriter::write(const QString& text)
{
    if (!isOpen())
        return;
    const QByteArray bytes = encode(text);
    if (file_->write(bytes) != bytes.size())
        failed_ = true;
}

void TextFileWriter::writeInt(int value)
{
    write(hexMode_ ? QString::asprintf("%02x", static_cast<unsigned>(value)) : QString::number(value));
}

bool TextFileWriter::commit()
{
    if (!file_)
        return false;
    if (failed_) {
        file_->cancelWriting();
        file_.reset();
        return false;
    }
    const bool ok = file_->commit();
    file_.reset();
    failed_ = !ok;
    return ok;
}

QByteArray TextFileWriter::encode(const QString& text)
{
    return encodeUtf8(text);
}

} // namespace vistello
