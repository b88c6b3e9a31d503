#pragma once
// The display check of the first-run dialog: what the screen and the media
// support offer, as lines of problems and lines of confirmations.
#include <QString>

namespace vistello {

struct DisplayFacts {
    int width = 0;  // primary screen, pixels
    int height = 0;
    int colourDepth = 0; // bits per pixel
    bool mediaPlaybackAvailable = false;
};

struct DisplayCheckTexts {
    QString problems;      // lines joined by "\n"
    QString confirmations; // lines joined by "\n"
};

DisplayCheckTexts buildDisplayCheck(const DisplayFacts& facts);

} // namespace vistello
