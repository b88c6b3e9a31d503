#include "core/textfile/TextFileReader.h"

#include "core/textfile/Utf8Codec.h"

#include <QFile>
#include <QFileInfo>

namespace vistello {
namespace {

constexpr qint64 kChunk = qint64(1) << 20;

QString decodeUtf16(QByteArrayView bytes, bool bigEndian)
{
    const qsizetype units = bytes.size() / 2; // an odd last byte is ignored
    QString out(units, Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < units; ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        dst[i] = bigEndian ? char16_t((first << 8) | second) : char16_t((second << 8) | first);
    }
    return out;
}

} // namespace

bool TextFileReader::open(const QString& path, qint64 maxBytes)
{
    bytes_.clear();
    // Regular files only: opening a FIFO would wait for a writer.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The size may have changed since the check: read in bounded chunks.
    QByteArray data;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty())
            break;
        if (data.size() + chunk.size() > maxBytes)
            return false;
        data.append(chunk);
    }
    if (file.error() != QFileDevice::NoError)
        return false;
    bytes_ = std::move(data);
    return true;
}

QString TextFileReader::readAll()
{
    return decode(bytes_);
}

void TextFileReader::close()
{
    bytes_.clear();
}

QString TextFileReader::decode(const QByteArray& bytes)
{
    const QByteArrayView view(bytes);
    if (view.startsWith("\xFF\xFE"))
        return decodeUtf16(view.sliced(2), false);
    if (view.startsWith("\xFE\xFF"))
        return decodeUtf16(view.sliced(2), true);
    if (view.startsWith("\xEF\xBB\xBF"))
        return decodeUtf8Lenient(view.sliced(3));
    if (isWellFormedUtf8(view))
        return decodeUtf8Lenient(view);
    return QString::fromLatin1(bytes);
}

} // namespace vistello
