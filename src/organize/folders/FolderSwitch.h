#pragma once
// Showing a folder's pictures as the current list. The folder left behind
// keeps its current picture in the lists' folder index memory; a folder
// shown again starts at the picture it had.
#include <QString>

namespace vistello {

class PictureLists;
class SettingsStore;

// shown: the folder shown until now (empty for other lists). folder ends in "/".
void showFolderList(PictureLists& lists, const QString& shown, const QString& folder, bool withSubfolders);

// At exit: "LastUsedFolder" and, when its pictures are the folder list,
// their current picture as "LastPictureIndex" (else 0).
void storeLastFolder(SettingsStore& store, const PictureLists& lists, const QString& folder, bool listed);

} // namespace vistello
