#pragma once
// The pictures named by the path arguments of the command line. The viewer's
// start-up and "vistello-cli list" both build their list here.
#include "core/lists/PictureList.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace vistello {

class CommandLinePictures {
public:
    CommandLinePictures();

    // One path argument: made a full path, then an existing file is read as
    // a picture-list file (its existing pictures are taken), else taken as a
    // picture by its extension; an existing folder is scanned (sorted, its
    // lists' pictures after). Pictures already collected are skipped
    // (exact comparison). Anything else is ignored.
    void addPathArgument(const QString& argument, bool includeSubfolders);

    const PictureList& list() const { return list_; }
    // At least one argument named an existing file or folder.
    bool pathsGiven() const { return pathsGiven_; }
    // Paths named something, yet no picture was found: there is nothing to show.
    bool nothingToShow() const { return pathsGiven_ && list_.entries().isEmpty(); }
    // A start folder takes precedence over the pictures of path arguments.
    void discardPictures();

private:
    void appendNew(const PathArray& from);

    PictureList list_;
    QSet<QString> known_; // mirrors list_ for fast duplicate checks
    bool pathsGiven_ = false;
};

// All path arguments in order.
CommandLinePictures collectPathArguments(const QStringList& paths, bool includeSubfolders);

// The full path of a command-line path (relative to the working folder);
// the text unchanged when the result would exceed 511 units.
QString fullPathOf(const QString& argument);

} // namespace vistello
