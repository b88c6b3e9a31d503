#pragma once
// Which sound to play when a picture is shown with "PicturesWithAudio" on:
// the sound memo beside it, else the sound embedded in it. A picture shown
// again does not start its sound again.
#include <QByteArray>
#include <QString>

namespace vistello {

struct SoundPlan {
    bool stopPlaying = false; // another picture's sound may still play
    QString file;             // a sound memo beside the picture
    QByteArray data;          // else the embedded sound, when there is one
    bool plays() const { return !file.isEmpty() || !data.isEmpty(); }
};

class SoundRule {
public:
    // What to do now that path is shown; nothing at all when the option is
    // off or the picture is the one whose sound was started last.
    SoundPlan pictureShown(const QString& path, bool soundsOn);

private:
    QString lastPath_;
};

} // namespace vistello
