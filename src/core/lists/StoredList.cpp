#include "core/lists/StoredList.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureList.h"
#include "core/textfile/TextFileReader.h"
#include "core/textfile/TextFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace vistello {

bool writeStoredList(const PictureList& list, const QString& file)
{
    const PathArray& entries = list.entries();
    if (entries.isEmpty())
        return !QFileInfo::exists(file) || QFile::remove(file);
    TextFileWriter writer;
    if (!writer.open(file))
        return false;
    for (int i = 0; i < entries.count(); ++i) {
        const QString path = entries.at(i);
        if (!path.isEmpty())
            writer.write(path + QStringLiteral("\r\n"));
    }
    return writer.commit();
}

void readStoredList(PictureList& list, const QString& file)
{
    list.clear(false);
    TextFileReader reader;
    if (!reader.open(file, TextFileReader::kDefaultMaxBytes))
        return;
    const QString text = reader.readAll();
    reader.close();

    const PictureFileTypes& types = PictureFileTypes::instance();
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QString path = text.mid(pos, std::min<qsizetype>(end - pos, PathArray::kMaxPathLength));
        pos = end + 1;
        // Only full paths: a relative line would depend on the working folder.
        if (path.startsWith(u'/') && types.isPictureFile(path) && QFileInfo(path).isFile())
            list.entries().append(path);
    }
}

} // namespace vistello
