#pragma once
// The file operations that change pictures, gathered so that tests can make
// each one fail and check that nothing of the user's is lost.
#include <QIODevice>
#include <QString>
#include <functional>

namespace vistello {

struct FileSteps {
    // Puts what write() produces in the picture's place (through a unique
    // temporary file), keeping the picture date; false leaves it untouched.
    std::function<bool(const QString& picture, const std::function<bool(QIODevice&)>& write)> replace;
    // Writes a new file (through a unique temporary file); false when target
    // exists or appears meanwhile, which is then kept.
    std::function<bool(const QString& target, const std::function<bool(QIODevice&)>& write)> create;
    // Copies a file's bytes into an open device (the copy step of backups and copies).
    std::function<bool(const QString& from, QIODevice& to)> copyInto;
};

// The real operations.
const FileSteps& realFileSteps();

} // namespace vistello
