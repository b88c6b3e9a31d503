#pragma once
// When a shown picture's sound starts: the viewer showing a picture, or a
// click on the only selected item of the overview. A picture shown again
// does not restart its sound; another picture stops the one playing first.
#include <QString>

namespace vistello {

struct SoundStart {
    bool stopPlaying = false; // another picture's sound may be playing
    QString wavePath;         // the companion wave file to play; empty for none
};

class SoundRule {
public:
    // picturesWithAudio: "PicturesWithAudio". findWave looks for the
    // picture's companion wave file (only asked for a new picture).
    template <typename FindWave>
    SoundStart pictureShown(const QString& path, bool picturesWithAudio, FindWave findWave)
    {
        if (!picturesWithAudio || path == lastStarted_)
            return {};
        lastStarted_ = path;
        return {true, findWave(path)};
    }
    const QString& lastStarted() const { return lastStarted_; }

private:
    QString lastStarted_;
};

} // namespace vistello
