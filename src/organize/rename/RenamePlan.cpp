#include "organize/rename/RenamePlan.h"

#include "core/filetypes/CompanionSound.h"
#include "core/settings/NumberPattern.h"
#include "organize/rename/DateName.h"
#include "organize/rename/PictureName.h"
#include "platform/NoReplaceMove.h"
#include "resources/OrganizeStrings.h"

#include <QSet>

namespace vistello {

namespace {

// The names in use while phase 1 runs: what is on disk, less the pictures
// already moved to their temporary names, plus those names. Date names are
// chosen against this state, as the moves will meet it.
class PhaseOneFolders {
public:
    bool taken(const QString& path) const
    {
        if (added_.contains(path))
            return true;
        return !vacated_.contains(path) && entryExists(path);
    }
    void move(const QString& from, const QString& to)
    {
        vacated_.insert(from);
        added_.insert(to);
    }

private:
    QSet<QString> vacated_;
    QSet<QString> added_;
};

RenamePlan refuse(RenameRefusal why, const QString& name)
{
    RenamePlan plan;
    plan.refusal = why;
    plan.refusedName = name;
    return plan;
}

// The backup and the sound memo that exist for a picture, unless an earlier
// picture of the set already takes them along. The index lists each folder
// once for the whole set.
void addCompanions(PlannedRename& rename, QSet<QString>& claimed, CompanionSoundIndex& sounds)
{
    const QString& from = rename.picture.from;
    const QString& to = rename.picture.to;
    const QString backup = from + QStringLiteral(".original");
    if (!claimed.contains(backup) && entryExists(backup)) {
        rename.companions.push_back({backup, to + QStringLiteral(".original")});
        claimed.insert(backup);
    }
    const QString sound = findCompanionSound(from, true, &sounds);
    if (!sound.isEmpty() && !claimed.contains(sound)) {
        const PathParts target = splitPicturePath(to);
        rename.companions.push_back({sound, target.folder + target.base + splitPicturePath(sound).extension});
        claimed.insert(sound);
    }
}

// Every new name is used once, and is free on disk or held by a file of the
// set (which leaves it in phase 1); no temporary name is in use.
bool destinationsFree(const std::vector<PlannedRename>& renames, QString& takenName)
{
    QSet<QString> sources;
    for (const PlannedRename& r : renames) {
        sources.insert(r.picture.from);
        for (const FileMove& c : r.companions)
            sources.insert(c.from);
    }
    QSet<QString> destinations;
    const auto free = [&](const FileMove& m) {
        takenName = m.to.mid(m.to.lastIndexOf(QLatin1Char('/')) + 1);
        if (destinations.contains(m.to) || entryExists(temporaryPath(m.to)))
            return false;
        destinations.insert(m.to);
        return sources.contains(m.to) || !entryExists(m.to);
    };
    for (const PlannedRename& r : renames) {
        if (!free(r.picture))
            return false;
        for (const FileMove& c : r.companions)
            if (!free(c))
                return false;
    }
    return true;
}

RenamePlan planOnePicture(const RenameRequest& request)
{
    const QString& from = request.pictures.constFirst();
    const PathParts old = splitPicturePath(from);
    QString name = request.name;
    if (request.byDate)
        if (const std::optional<QString> date = pictureDateName(from))
            if (const auto unique = uniqueDateName(old.folder, *date, old.extension, entryExists))
                name = *unique;
    if (!isSafePictureName(name))
        return refuse(RenameRefusal::UnsafeName, name);
    const QString to = old.folder + name + old.extension;
    if (entryExists(to))
        return refuse(RenameRefusal::NameTaken, name + old.extension);
    RenamePlan plan;
    plan.renames.push_back({{from, to}, {}});
    QSet<QString> claimed{from};
    CompanionSoundIndex sounds;
    addCompanions(plan.renames.back(), claimed, sounds);
    // A stale backup or memo under the new name would stay behind with the
    // picture's own one left under the old name: refused, as for several.
    for (const FileMove& c : plan.renames.back().companions)
        if (entryExists(c.to))
            return refuse(RenameRefusal::WouldOverride, c.to.mid(c.to.lastIndexOf(QLatin1Char('/')) + 1));
    return plan;
}

RenamePlan planSeveralPictures(const RenameRequest& request)
{
    const QString pattern = effectiveNamePattern(request.pattern);
    qint64 counter = request.firstIndex;
    PhaseOneFolders folders;
    const auto taken = [&folders](const QString& path) { return folders.taken(path); };
    RenamePlan plan;
    plan.throughTemporaryNames = true;
    QSet<QString> claimed;
    for (const QString& from : request.pictures) {
        if (claimed.contains(from))
            continue; // listed twice: renamed once
        claimed.insert(from);
        const PathParts old = splitPicturePath(from);
        std::optional<QString> name;
        if (request.byDate)
            if (const std::optional<QString> date = pictureDateName(from))
                name = uniqueDateName(old.folder, *date, old.extension, taken);
        if (!name)
            name = formatNumberPattern(pattern, counter++); // only pattern names use up numbers
        if (!isSafePictureName(*name))
            return refuse(RenameRefusal::UnsafeName, *name);
        const QString to = old.folder + *name + old.extension;
        folders.move(from, temporaryPath(to));
        plan.renames.push_back({{from, to}, {}});
    }
    CompanionSoundIndex sounds;
    for (PlannedRename& r : plan.renames)
        addCompanions(r, claimed, sounds);
    QString takenName;
    if (!destinationsFree(plan.renames, takenName))
        return refuse(RenameRefusal::WouldOverride, takenName);
    return plan;
}

} // namespace

RenamePlan buildRenamePlan(const RenameRequest& request)
{
    if (request.pictures.isEmpty())
        return {};
    return request.severalPictures() ? planSeveralPictures(request) : planOnePicture(request);
}

QString refusalMessage(const RenamePlan& plan)
{
    switch (plan.refusal) {
    case RenameRefusal::NameTaken:
        return strings::formatInserts(strings::text(strings::kRenameNameTaken), {plan.refusedName});
    case RenameRefusal::WouldOverride: return strings::text(strings::kRenameWouldOverride);
    case RenameRefusal::UnsafeName:
        return strings::formatInserts(strings::text(strings::kRenameUnsafeName), {plan.refusedName});
    case RenameRefusal::None: break;
    }
    return {};
}

} // namespace vistello
