#pragma once
// The address field's completion: after each change the user makes, the
// folders that continue the typed text. The sub-folders of the typed text's
// folder part are listed once per folder part; the prefix match alone
// ignores case, so "/home/a" offers "/home/Anna".
#include <QString>
#include <QStringList>
#include <functional>

namespace vistello {

class FolderCompletion {
public:
    // Sub-folder names of a folder ("/"-terminated); the roots offered for
    // an empty text. Both are handed in so tests need no real disk layout.
    using Lister = std::function<QStringList(const QString& folder)>;
    using RootLister = std::function<QStringList()>;

    // The disk's sub-folders, hidden ones included; addressRoots().
    static Lister diskLister();
    static RootLister diskRoots();

    FolderCompletion(Lister lister, RootLister roots);

    // The suggestions to show for text, in listing order (empty: keep the
    // list closed).
    QStringList suggestions(const QString& text);

    // The field's text after an entry was chosen: it ends in "/".
    static QString chosenText(const QString& entry);

    // The next suggestions list their folder again (its listing came late).
    void forgetListing() { listedFolder_.clear(); }

private:
    Lister lister_;
    RootLister roots_;
    QString listedFolder_;
    QStringList candidates_;
};

} // namespace vistello
