#include "jpegedit/originals/PictureCopy.h"

#include "core/filetypes/CompanionSound.h"
#include "jpegedit/originals/CopyName.h"
#include "jpegedit/originals/NewFileCopy.h"

namespace vistello {

namespace {

// The name from its last "." on, or empty.
QString extensionOf(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    return dot > slash ? name.mid(dot) : QString();
}

} // namespace

QString companionSoundOfCopy(const QString& copy, const QString& sound)
{
    return copy.left(copy.size() - extensionOf(copy).size()) + extensionOf(sound);
}

QString copyPictureWithSound(const QString& picture, const FileSteps& steps)
{
    // Looked up before the copy exists, so the copy's own name cannot match.
    const QString sound = findCompanionSound(picture, true);
    const QString copy = makeCopyName(picture, false, steps);
    if (copy.isEmpty() || sound.isEmpty())
        return copy;
    NewFileOptions options;
    options.makeWritable = true;
    // A memo that cannot follow leaves the picture's copy as it is.
    (void)copyToNewName(sound, companionSoundOfCopy(copy, sound), options, steps);
    return copy;
}

} // namespace vistello
