#pragma once
// Path arguments of the command line: pictures and folders whose pictures
// are collected into the command-line list, each path once.
#include "app/startup/StartupOptions.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace vistello {

class PictureFileTypes;

class PathArgumentCollector {
public:
    PathArgumentCollector(StartupOptions& options, const PictureFileTypes& fileTypes);

    // A file with a picture extension is appended; a folder appends its
    // pictures in display order (with sub-folders when includeSubfolders is set).
    // Anything else that exists only counts as a path given.
    void add(QStringView parameter);

private:
    void addFile(const QString& path);
    void addFolder(const QString& path);
    void append(const QString& picture);

    StartupOptions& options_;
    const PictureFileTypes& fileTypes_;
    QSet<QString> known_; // exact paths already in the list
};

} // namespace vistello
