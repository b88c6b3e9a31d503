// Fuzzes the display side of the EXIF tree: the name and value text of every
// entry (formatter hooks and generic texts), the picture-data rows and their
// copied text, on one TIFF block taken both bare and as an APP1 payload; the
// same bytes inside a JPEG header feed the picture summary and the
// information text.
#include "jpegmeta/exif/ExifData.h"
#include "jpegmeta/info/PictureDataText.h"
#include "jpegmeta/info/PictureInfoText.h"
#include "jpegmeta/tags/EntryText.h"
#include "jpegmeta/tags/TagDictionary.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

using namespace vistello;

namespace {

void textOfAll(const ExifData& tree, const std::vector<ExifEntry>& entries)
{
    for (const ExifEntry& e : entries) {
        (void)tagName(e.tag, e.kind);
        (void)entryText(tree, e);
        textOfAll(tree, e.children);
    }
}

// One JPEG in a scratch file: SOI, the input as APP1 payload, a 1x1 frame header, EOI.
QString writeJpeg(const QByteArray& payload)
{
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/f.jpg");
    QByteArray jpeg("\xFF\xD8\xFF\xE1", 4);
    jpeg.append(char((payload.size() + 2) >> 8)).append(char((payload.size() + 2) & 0xFF));
    jpeg += payload;
    jpeg += QByteArray("\xFF\xC0\x00\x0B\x08\x00\x01\x00\x01\x01\x01\x11\x00\xFF\xD9", 15);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(jpeg);
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray tiff(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    for (const auto& [bytes, base] : {std::pair{tiff, int64_t(0)}, std::pair{payload, int64_t(6)}}) {
        ExifData tree;
        tree.parse(bytes, base);
        for (const Ifd& ifd : tree.ifds())
            textOfAll(tree, ifd.entries);
        PictureDataSections sections;
        sections.exif = exifRows(tree);
        (void)pictureDataText(QStringLiteral("/f.jpg"), sections);
    }
    if (payload.size() <= 65533) {
        const QString path = writeJpeg(payload);
        if (!path.isEmpty()) {
            (void)pictureInfoText(path, QString(), int64_t(size));
            (void)readPictureDataSections(path);
        }
    }
    return 0;
}
