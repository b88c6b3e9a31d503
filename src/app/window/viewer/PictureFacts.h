#pragma once
// What the viewer reads from a picture's file when it is shown for the
// first time: the format's lossless capabilities, write protection, the
// ".original" beside it, the comments and the information texts.
#include <QSize>
#include <QString>

namespace vistello {

struct PictureFacts {
    unsigned capabilities = 0;
    bool writeProtected = true;
    bool originalExists = false;
    int orientation = 1;
    QSize size; // as stored in the file
    QString exifComment;
    QString jpegComment;
    QString longInfo;
    QString shortInfo;
};

PictureFacts readPictureFacts(const QString& path);

} // namespace vistello
