#pragma once
// Folders of small pictures for the rename tests, and what they hold.
#include <QByteArray>
#include <QMap>
#include <QString>

namespace vistello::test::rename {

// A small camera-like JPEG taken at date ("YYYY:MM:DD HH:MM:SS"; empty: no
// EXIF date); tag makes each file's bytes distinct.
QByteArray datedPicture(const QByteArray& date, const QByteArray& tag);

// Every file of the folder (not recursive): name -> bytes.
QMap<QString, QByteArray> folderFiles(const QString& folder);

// The contents alone, sorted: what must survive any failure.
QList<QByteArray> contentMultiset(const QString& folder);

} // namespace vistello::test::rename
