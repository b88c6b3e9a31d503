#pragma once
// The window's file commands on the working set: delete, paste, restore,
// file dates, and the update (F5) that makes every view read anew.
#include <QString>
#include <functional>

namespace vistello {

class FileCommands;
class PictureLists;
class Prompts;

class FileCommandRunner {
public:
    FileCommandRunner(FileCommands& files, PictureLists& lists, Prompts& prompts,
                      std::function<void()> currentPictureChanged);

    void deletePictures();
    // The clipboard's picture as a new file in folder; says so when there is none.
    void pastePicture(const QString& folder);
    void restoreOriginal();
    void fileDateFromExif();
    // Caches cleared, the folder listed again keeping the current picture,
    // every view told to read anew.
    void update(const QString& folder, bool withSubfolders);

private:
    FileCommands& files_;
    PictureLists& lists_;
    Prompts& prompts_;
    std::function<void()> currentPictureChanged_;
};

} // namespace vistello
