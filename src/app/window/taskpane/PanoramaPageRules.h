#pragma once
// The "Split panorama" page without its widgets: whether the page may open
// for the selection, its settings as the page reads and stores them, and
// when the preview says the picture cannot be split.
#include "publish/panorama/PanoramaPlan.h"

#include <QString>

namespace vistello {

class SettingsStore;

struct PanoramaPageSettings {
    QString targetFolder; // with a trailing "/" when not empty
    int printerX = 0;
    int printerY = 0;
    bool landscape = false;
    int overlap = 0;
};

PanoramaPageSettings readPanoramaSettings(SettingsStore& store);
void storePanoramaSettings(SettingsStore& store, const PanoramaPageSettings& settings);

enum class PanoramaOpening { Open, NotOneSelected, Vertical };
// Only one selected picture; one at least twice as high as wide is refused
// (height / width in integers is 2 or more).
PanoramaOpening panoramaOpening(int selected, int width, int height);

// The preview's "The picture could not be split.": no cut, or cuts that
// would not advance.
bool cannotBeSplit(const PanoramaPlan& plan);

} // namespace vistello
