#pragma once
// What the folder tree and the address field's completion list: the
// sub-folders of a folder, and the places to start from.
#include <QString>
#include <QStringList>

namespace vistello {

enum class HiddenFolders { Skip, Include };

// Names of folder's sub-folders (and links to folders) in the file system's
// order, without "." and "..". Reads the directory once; a status call only
// for links and for file systems that do not tell an entry's type. A folder
// that cannot be read has none.
QStringList listSubfolders(const QString& folder, HiddenFolders hidden);

// Mount points ("/"-terminated) of mounted local volumes other than "/":
// block devices that are neither network shares, optical or read-only
// removable media, nor squashfs images.
QStringList mountedLocalVolumes();
// The writable removable ones among them (USB sticks, cards).
QStringList mountedRemovableVolumes();

// Where completion of an empty address starts: "/", the home folder and the
// mounted local volumes.
QStringList addressRoots();

} // namespace vistello
