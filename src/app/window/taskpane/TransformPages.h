#pragma once
// The five transformation pages ("Rotate right" ... "Greyscale"): their
// titles and what "Change" asks of the transform job.
#include "jpegedit/batch/PictureTransform.h"

#include <QString>

namespace vistello {

// True for the modes 10..14.
bool isTransformPage(int mode);
QString transformPageTitle(int mode);

struct TransformChoices {
    bool modifyThumbnail = true; // "Modify thumbnail image"
    bool makeCopy = false;       // "Make copy"
    bool copyOriginal = true;    // the ".original" backup setting
};

PictureTransformOptions transformOptionsFor(int mode, const TransformChoices& choices);

} // namespace vistello
