#include "organize/folders/FolderCompletion.h"

#include "organize/folders/SubfolderListing.h"
#include "platform/FolderPath.h"

namespace vistello {

FolderCompletion::Lister FolderCompletion::diskLister()
{
    return [](const QString& folder) { return listSubfolders(folder, HiddenFolders::Include); };
}

FolderCompletion::RootLister FolderCompletion::diskRoots()
{
    return addressRoots;
}

FolderCompletion::FolderCompletion(Lister lister, RootLister roots) : lister_(std::move(lister)), roots_(std::move(roots)) {}

QStringList FolderCompletion::suggestions(const QString& text)
{
    if (text.isEmpty()) {
        listedFolder_.clear();
        candidates_ = roots_();
        return candidates_;
    }
    const qsizetype slash = text.lastIndexOf(u'/');
    if (slash >= 0) {
        const QString folderPart = text.left(slash + 1);
        if (folderPart != listedFolder_) {
            listedFolder_ = folderPart;
            candidates_.clear();
            for (const QString& name : lister_(folderPart))
                candidates_.append(folderPart + name);
        }
    }
    QStringList shown;
    for (const QString& candidate : candidates_)
        if (candidate.startsWith(text, Qt::CaseInsensitive))
            shown.append(candidate);
    return shown;
}

QString FolderCompletion::chosenText(const QString& entry)
{
    return withTrailingSlash(entry);
}

} // namespace vistello
