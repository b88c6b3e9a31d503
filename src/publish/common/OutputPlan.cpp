#include "publish/common/OutputPlan.h"

#include "platform/NoReplaceMove.h"

#include <QFileInfo>
#include <QHash>

namespace vistello {

bool isSameEntry(const QString& a, const QString& b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return (!canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath()) || isSameFile(a, b);
}

QStringList OutputPlan::clashes() const
{
    QHash<QString, QStringList> origins;
    QStringList order;
    for (const PlannedOutput& output : outputs_) {
        QStringList& list = origins[output.name];
        if (list.isEmpty())
            order.append(output.name);
        list.append(output.origin);
    }
    QStringList lines;
    for (const QString& name : order) {
        const QStringList& list = origins[name];
        if (list.size() > 1)
            lines.append(QStringLiteral("%1  (%2)").arg(name, list.join(QStringLiteral(", "))));
    }
    return lines;
}

QStringList OutputPlan::overwrittenSources(const QString& targetFolder, const QStringList& sources) const
{
    QStringList lines;
    for (const PlannedOutput& output : outputs_) {
        const QString path = targetFolder + output.name;
        for (const QString& source : sources) {
            if (QFileInfo(source).absoluteFilePath() == QFileInfo(path).absoluteFilePath() || isSameEntry(source, path)) {
                lines.append(QStringLiteral("%1  (is %2)").arg(output.name, source));
                break;
            }
        }
    }
    return lines;
}

bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0))
           && name != QLatin1String(".") && name != QLatin1String("..");
}

QStringList picturesInFolder(const QStringList& pictures, const QString& targetFolder)
{
    QStringList inside;
    for (const QString& picture : pictures)
        if (isSameEntry(QFileInfo(picture).absolutePath(), targetFolder))
            inside.append(picture);
    return inside;
}

} // namespace vistello
