#pragma once
// What the resize options panel does with a click, which of its controls
// are usable, and how its fields read back as a record. Exactly two of
// "New size:", "Quality level:" and "File size:" are ticked at any time:
// a size with a limit searches the quality, a quality with a limit
// searches the scale, and all three at once would ask for both.
#include "core/settings/ResizeSettings.h"

#include <QString>

namespace vistello {

enum class ResizePanelClick { NewSize, QualityLevel, FileSize, FixedSize, Relative };

// Any other count of ticked options becomes size and quality.
ResizeSettings withTwoOptionsTicked(ResizeSettings record);

// The record after a click on the control, from the record shown before it
// (the boxes do not tick themselves; a click on the selected radio selects
// the other one).
ResizeSettings afterPanelClick(ResizeSettings shown, ResizePanelClick click);

struct ResizePanelControls {
    bool shown = false;       // no pictures: the panel hides its controls
    bool radios = false;
    bool boxFields = false;   // width and height
    bool percentField = false;
    bool qualities = false;   // both sliders and their fields
    bool fileSizeField = false;
};
ResizePanelControls resizePanelControls(const ResizeSettings& record, bool hasPictures);

// What the fields hold as typed.
struct ResizePanelFields {
    QString width;
    QString height;
    QString percent;
    QString kilobytes;
    int luminance = 90;
    int chrominance = 90;
};

// The shown options with the fields' values, validated.
ResizeSettings readResizePanel(const ResizeSettings& options, const ResizePanelFields& fields);
// The fields for a record (the percentage as "%g").
ResizePanelFields resizePanelFields(const ResizeSettings& record);

} // namespace vistello
