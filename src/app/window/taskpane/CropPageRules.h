#pragma once
// The "Crop rectangle" page without its widgets: what its edits show, what
// typing into one of them, the ratio lock and the presets do to the
// selection, and the settings it reads and writes. The page and the viewer
// always hold the same selection after a step.
#include "jpegedit/crop/CropGeometry.h"

#include <QString>
#include <array>

namespace vistello {

class SettingsStore;

// The page's edits by id: 1 width, 2 height, 3 left, 4 top, 5 short form;
// then the ratio parts Z and N.
struct CropFieldTexts {
    std::array<QString, 5> values; // ids 1-5
    QString ratioZ;
    QString ratioN;
    QString widthNote;  // "(%d)" with W
    QString heightNote; // "(%d)" with H
    QString leftNote;   // "(@%d)" with ax
    QString topNote;    // "(@%d)" with ay
};

class CropPageRules {
public:
    // The viewer's lock; when unlocked, the ratio shown is the picture's own.
    CropPageRules(const CropFrame& frame, const CropRatio& viewerRatio);

    const CropSelection& selection() const { return selection_; }
    const CropRatio& ratio() const { return ratio_; }
    const CropFrame& frame() const { return frame_; }
    CropFieldTexts texts() const;

    // A selection from the viewer (a drag step, or a picture shown).
    void fromViewer(const CropSelection& selection);
    // Typing into edit id (1-5) with all five edits' texts as they are now;
    // caret: the short form's caret position.
    void typed(int id, const std::array<QString, 5>& edits, int caret);
    // The lock button: on reads Z and N from their edits.
    void toggleLock(const QString& zText, const QString& nText);
    // Entry of the preset list ("1:1", "2:3", "3:4", "9:13").
    void choosePreset(int entry);

private:
    CropFrame frame_;
    CropRatio ratio_;
    CropSelection selection_;
};

// "CropRect" as stored, when there is one of 16 bytes.
bool loadCropRect(const SettingsStore& store, CropSelection& selection);
void storeCropRect(SettingsStore& store, const CropSelection& selection);

} // namespace vistello
