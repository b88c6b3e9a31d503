#include "core/lists/ListFileWriter.h"

#include "core/lists/PictureList.h"
#include "core/textfile/TextFileWriter.h"

namespace vistello {

namespace {

bool needsQuotes(const QString& field)
{
    if (field.startsWith(u' ') || field.startsWith(u'\t'))
        return true;
    for (QChar c : field)
        if (c == u',' || c == u';' || c == u'=' || c == u'\r' || c == u'\n' || c == u'"')
            return true;
    return false;
}

QString field(const QString& text)
{
    if (!needsQuotes(text))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QString listFileLine(const QString& path, const QString& comment)
{
    QString line = field(path);
    if (!comment.isEmpty()) {
        QString oneLine = comment;
        oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
        line += u',' + field(oneLine);
    }
    return line + QStringLiteral("\r\n");
}

bool writeListFile(const QString& file, const QStringList& pictures, const PictureCommentLookup& commentOf)
{
    TextFileWriter writer;
    if (!writer.open(file))
        return false;
    for (const QString& picture : pictures)
        if (!picture.isEmpty())
            writer.write(listFileLine(picture, commentOf ? commentOf(picture) : QString()));
    return writer.commit();
}

QStringList picturesToExport(const PictureList& current, bool picturePage)
{
    if (!picturePage && !current.selection().isEmpty())
        return current.selection().toStringList();
    return current.entries().toStringList();
}

} // namespace vistello
