#pragma once
// What the user asked to rename and how, copied when the rename starts.
#include <QString>
#include <QStringList>

namespace vistello {

struct RenameRequest {
    QStringList pictures;                             // full paths, in the order they are numbered
    QString name;                                     // one picture: the typed name, without extension
    QString pattern = QStringLiteral("Picture_%04d"); // several pictures: one number placeholder
    qint64 firstIndex = 0;                            // number of the first pattern-named picture
    bool byDate = false;                              // pictures with a date of taking are named after it
    bool numbered = false; // pattern names even for one picture (renaming the whole list)

    bool severalPictures() const { return numbered || pictures.size() > 1; }
};

} // namespace vistello
