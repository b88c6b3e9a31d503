#include "app/SampleTools.h"

#include "support/TempDir.h"

#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>

namespace vistello::test::sampletools {

bool toolAvailable(const QString& program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

QStringList sharedSamplePictures()
{
    QStringList files;
    const QString dir = sharedSamplesDir();
    if (dir.isEmpty())
        return files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.contains(QLatin1String("/reference/")) && !path.endsWith(QLatin1String(".md")))
            files << path;
    }
    files.sort();
    return files;
}

ToolRun runTool(const QString& program, const QStringList& args)
{
    return runProgram(program, args);
}

QByteArray headerMarkers(const QByteArray& jpeg)
{
    QByteArray markers;
    qsizetype p = 2;
    while (p + 4 <= jpeg.size() && uint8_t(jpeg[p]) == 0xFF) {
        const uint8_t marker = uint8_t(jpeg[p + 1]);
        markers.append(char(marker));
        if (marker == 0xDA)
            break;
        p += 2 + ((uint8_t(jpeg[p + 2]) << 8) | uint8_t(jpeg[p + 3]));
    }
    return markers;
}

} // namespace vistello::test::sampletools
