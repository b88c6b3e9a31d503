#include "organize/comments/CommentListFile.h"

#include "core/lists/ListFileParser.h"
#include "core/textfile/TextFileReader.h"
#include "core/textfile/TextFileWriter.h"

#include <QFileInfo>

namespace vistello {

namespace {

QString quoted(const QString& field)
{
    QString doubled = field;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

} // namespace

CommentListContents parseCommentList(QStringView text)
{
    CommentListContents contents;
    for (ListFileRecord& record : parseListText(text)) {
        if (record.name.endsWith(QLatin1Char('/'))) {
            contents.folders.insert(record.name);
            continue;
        }
        const QString comment = record.comment.trimmed();
        if (!record.name.isEmpty() && !comment.isEmpty())
            contents.comments[record.name] = comment;
    }
    return contents;
}

QString commentListText(const CommentListContents& contents)
{
    QString text;
    for (const auto& [key, comment] : contents.comments)
        text += quoted(key) + QLatin1Char(',') + quoted(comment) + QLatin1String("\r\n");
    for (const QString& folder : contents.folders)
        text += quoted(folder) + QLatin1String("\r\n");
    return text;
}

CommentListContents readCommentListFile(const QString& path)
{
    // Regular files only: a FIFO in its place would wait for a writer.
    if (!QFileInfo(path).isFile())
        return {};
    TextFileReader reader;
    if (!reader.open(path))
        return {};
    return parseCommentList(reader.readAll());
}

bool writeCommentListFile(const QString& path, const CommentListContents& contents)
{
    TextFileWriter writer;
    if (!writer.open(path))
        return false;
    writer.write(commentListText(contents));
    return writer.commit();
}

} // namespace vistello
