#pragma once
// The picture check page's rules: which pictures it checks, its text, and
// what the user is told when the check has ended.
#include <QString>
#include <QStringList>

namespace vistello {

class PictureList;

// The current list's selection when it has entries, else the whole list.
QStringList picturesToCheck(const PictureList& current);

// The page's explanation, naming the error list.
QString pictureCheckPageText();

// After the check: a message, or the question whether to open the error
// list; a yes opens it only when it was written.
struct PictureCheckEnd {
    QString text;
    bool ask = false;
    bool canOpen = false;
};
PictureCheckEnd pictureCheckEnd(int brokenCount, const QString& errorListPath);

} // namespace vistello
