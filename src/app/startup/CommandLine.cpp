#include "app/startup/CommandLine.h"

#include <QDir>
#include <QFile>

namespace vistello {

QStringList argumentsFromArgv(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        if (argv[i])
            arguments.append(QFile::decodeName(argv[i]));
    return arguments;
}

bool isOption(QStringView parameter, QLatin1StringView name)
{
    return parameter.startsWith(u'-') && parameter.mid(1).compare(name, Qt::CaseInsensitive) == 0;
}

QString parameterText(const QString& parameter)
{
    return parameter.startsWith(u'-') ? parameter.mid(1) : parameter;
}

QString makeFullPath(QStringView text)
{
    if (text.isEmpty())
        return {};
    const QString full = QDir::cleanPath(QDir::current().absoluteFilePath(text.toString()));
    if (full.size() > kMaxPathLength)
        return text.left(kMaxPathLength).toString();
    return full;
}

} // namespace vistello
