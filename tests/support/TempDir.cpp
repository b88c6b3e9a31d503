#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vistello::test {

QString TempDir::write(const QString& name, const QByteArray& bytes) const
{
    const QString full = file(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return full;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString sharedSamplesDir()
{
    const QString dir = QStringLiteral(VISTELLO_SHARED_DIR "/samples");
    return QFileInfo(dir).isDir() ? QDir(dir).absolutePath() + QLatin1Char('/') : QString();
}

} // namespace vistello::test
