#include "publish/common/OutputPlan.h"

#include "platform/NoReplaceMove.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPair>
#include <optional>
#include <sys/stat.h>

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

namespace {

using FileIdentity = QPair<quint64, quint64>; // device, inode

std::optional<FileIdentity> identityOf(const QString& path)
{
    struct stat s{};
    if (::lstat(QFile::encodeName(path).constData(), &s) != 0)
        return std::nullopt;
    return FileIdentity(quint64(s.st_dev), quint64(s.st_ino));
}

// The sources by each spelling that can lead to them, the first source
// of the list kept for each: a few file-system calls per file, then a
// look-up per output, so thousands of pictures are checked in moments.
class SourceIndex {
public:
    explicit SourceIndex(const QStringList& sources)
    {
        const auto keepFirst = [](auto& hash, const auto& key, int i) {
            if (!hash.contains(key))
                hash.insert(key, i);
        };
        for (int i = 0; i < sources.size(); ++i) {
            const QFileInfo info(sources[i]);
            keepFirst(byPath_, info.absoluteFilePath(), i);
            if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty())
                keepFirst(byCanonical_, canonical, i);
            if (const std::optional<FileIdentity> id = identityOf(sources[i]))
                keepFirst(byIdentity_, *id, i);
        }
    }
    // The index of the first source path names, or -1.
    int find(const QString& path) const
    {
        const QFileInfo info(path);
        int found = byPath_.value(info.absoluteFilePath(), -1);
        const auto better = [&found](int i) {
            if (i >= 0 && (found < 0 || i < found))
                found = i;
        };
        if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty())
            better(byCanonical_.value(canonical, -1));
        if (const std::optional<FileIdentity> id = identityOf(path))
            better(byIdentity_.value(*id, -1));
        return found;
    }

private:
    QHash<QString, int> byPath_;
    QHash<QString, int> byCanonical_;
    QHash<FileIdentity, int> byIdentity_;
};

} // namespace

QStringList OutputPlan::overwrittenSources(const QString& targetFolder, const QStringList& sources) const
{
    const SourceIndex index(sources);
    QStringList lines;
    for (const PlannedOutput& output : outputs_)
        if (const int i = index.find(targetFolder + output.name); i >= 0)
            lines.append(QStringLiteral("%1  (is %2)").arg(output.name, sources[i]));
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
