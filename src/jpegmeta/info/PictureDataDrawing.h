#pragma once
// What the picture-data list draws besides the texts: the list's items
// (two blank rows before each section, its title on the second), the row
// colour by directory kind, the bold "Model" value, blank rows that make
// room for the thumbnail beside the IFD1 rows, and the orientation
// pictograms with the one to outline.
#include "jpegmeta/info/PictureDataRows.h"

#include <QColor>
#include <QString>
#include <vector>

namespace vistello {

struct PictureDataItem {
    enum class Type { Blank, Title, Row };
    Type type = Type::Blank;
    QString title;      // Title items
    PictureDataRow row; // Row items
};

// thumbnailRows: rows the IFD1 thumbnail needs; blank rows follow the last
// IFD1 row until the section is that long.
std::vector<PictureDataItem> pictureDataItems(const PictureDataSections& sections, int thumbnailRows = 0);
int rowsForHeight(int height, int rowHeight);

// Background of a row (its text is black); also the line under it.
QColor pictureDataRowColour(int kind);
bool drawsValueBold(const PictureDataRow& row);

struct OrientationPictogram {
    int orientation = 1; // 1..8
    bool outlined = false;
};

// The pictograms after an orientation row's value: all eight, the stored
// value outlined; in the thumbnail's directory only the stored value's.
// A value outside 1..8 outlines nothing (and shows none for the thumbnail).
std::vector<OrientationPictogram> orientationPictograms(const PictureDataRow& row);

} // namespace vistello
