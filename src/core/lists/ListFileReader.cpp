#include "core/lists/ListFileReader.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/ListFileParser.h"
#include "core/lists/PathArray.h"
#include "core/textfile/TextFileReader.h"
#include "core/lists/ListFileComments.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vistello {

namespace {

// Names as short as "a." cannot be pictures; longer than a picture path
// cannot be stored.
constexpr qsizetype kMinNameLength = 3;

// Pictures given where a list may stand are binary: without a UTF-16
// byte-order mark a NUL byte near the start means "not a text file", which
// spares decoding a whole picture as text.
bool looksBinary(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4096);
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF"))
        return false;
    return head.contains('\0');
}

QString resolveName(const QString& listFolder, const QString& name)
{
    return QDir::cleanPath(name.startsWith(u'/') ? name : listFolder + name);
}

} // namespace

bool readListFile(const QString& path, PathArray& pending, ListFileComments* comments)
{
    const QString listPath = QFileInfo(path).absoluteFilePath();
    const QString listFolder = listPath.left(listPath.lastIndexOf(u'/') + 1);

    // Regular files only: opening a FIFO would wait for a writer.
    if (!QFileInfo(listPath).isFile() || looksBinary(listPath))
        return false;
    TextFileReader reader;
    if (!reader.open(listPath, TextFileReader::kDefaultMaxBytes))
        return false;
    const QString text = reader.readAll();
    reader.close();

    const PictureFileTypes& types = PictureFileTypes::instance();
    bool found = false;
    for (const ListFileRecord& record : parseListText(text)) {
        if (record.name.size() < kMinNameLength || record.name.size() > PathArray::kMaxPathLength)
            continue;
        if (!types.isPictureFile(record.name))
            continue;
        const QString picture = resolveName(listFolder, record.name);
        if (picture.size() > PathArray::kMaxPathLength || !QFileInfo(picture).isFile())
            continue;
        pending.append(picture);
        found = true;
        if (comments && !record.comment.isEmpty())
            comments->set(picture, record.comment);
    }
    return found;
}

} // namespace vistello
