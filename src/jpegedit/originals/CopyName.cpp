#include "jpegedit/originals/CopyName.h"

#include "jpegedit/originals/NewFileCopy.h"
#include "resources/StringTable.h"
#include "resources/EditStrings.h"

#include <QFileInfo>

namespace vistello {

namespace {

constexpr int kMaxAttempts = 100000;
const QString kCounterInsert = QStringLiteral("%1!d!");

// The numbered template split around its counter: "Copy (" and ") of ".
std::pair<QString, QString> numberedParts()
{
    const QString pattern = strings::text(strings::kCopyNumberedOf);
    const qsizetype at = pattern.indexOf(kCounterInsert);
    if (at < 0)
        return {pattern, QString()};
    return {pattern.left(at), pattern.mid(at + kCounterInsert.size())};
}

} // namespace

CopyNameStart copyNameStart(const QString& name)
{
    const auto [before, after] = numberedParts();
    if (name.startsWith(before, Qt::CaseInsensitive)) {
        qsizetype i = before.size();
        while (i < name.size() && name[i].isDigit() && name[i].unicode() < 128)
            ++i;
        const qsizetype digits = i - before.size();
        if (digits > 0 && digits <= 12 && QStringView(name).mid(i).startsWith(after, Qt::CaseInsensitive) &&
            name.size() > i + after.size())
            return {name.mid(i + after.size()), name.mid(before.size(), digits).toLongLong() + 1};
    }
    const QString plain = strings::text(strings::kCopyOf);
    if (name.startsWith(plain, Qt::CaseInsensitive) && name.size() > plain.size())
        return {name.mid(plain.size()), 2};
    return {name, 1};
}

QString copyCandidate(const QString& base, qint64 counter)
{
    if (counter <= 1)
        return strings::text(strings::kCopyOf) + base;
    return strings::formatInserts(strings::text(strings::kCopyNumberedOf), {QString::number(counter)}) + base;
}

QString makeCopyName(const QString& picture, bool onlyName, const FileSteps& steps)
{
    const QFileInfo info(picture);
    const QString folder = picture.left(picture.lastIndexOf(QLatin1Char('/')) + 1);
    const CopyNameStart start = copyNameStart(info.fileName());
    if (start.base.isEmpty())
        return {};
    for (qint64 k = start.counter, n = 0; n < kMaxAttempts; ++k, ++n) {
        const QString candidate = folder + copyCandidate(start.base, k);
        if (nameTaken(candidate))
            continue;
        if (onlyName)
            return candidate;
        NewFileOptions options;
        options.makeWritable = true;
        if (copyToNewName(picture, candidate, options, steps))
            return candidate;
        if (!nameTaken(candidate))
            return {}; // the copy itself failed, not a race for the name
    }
    return {};
}

} // namespace vistello
