#pragma once
// The rows of the picture-data list: every EXIF entry that has both a name
// and a value (tree order, each entry before the entries it points to), then
// the IPTC records, the APP12 lines and the picture comment, section by
// section. Rows carry their directory kind, which colours them in the list.
#include "jpegmeta/exif/ExifData.h"
#include "jpegmeta/info/ColourFilterGrid.h"
#include "jpegmeta/segments/HeaderData.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace vistello {

struct PictureDataRow {
    PictureDataRow() = default;
    PictureDataRow(QString rowName, QString rowValue, int rowKind)
        : name(std::move(rowName)), value(std::move(rowValue)), kind(rowKind)
    {
    }

    QString name;
    QString value;
    int kind = 0; // IfdKind of EXIF rows, 1 for IPTC rows, 0 otherwise
    // What the list draws beside the value: the stored value of an
    // orientation entry (any number the file holds), the cells of a
    // colour-filter pattern that passes the grid's limits.
    std::optional<uint32_t> orientation;
    std::optional<ColourFilterGrid> colourFilter;
};

struct PictureDataSections {
    std::vector<PictureDataRow> exif;
    // Application-record datasets under their group headings, kind 1.
    std::vector<PictureDataRow> iptc;
    // One row per APP12 text line, split at the first "=".
    std::vector<PictureDataRow> app12;
    std::vector<PictureDataRow> comment;

    bool isEmpty() const { return exif.empty() && iptc.empty() && app12.empty() && comment.empty(); }
};

std::vector<PictureDataRow> exifRows(const ExifData& tree);

// The sections of collected header data (EXIF, first APP13, first APP12, first COM).
PictureDataSections pictureDataSections(const HeaderData& header);
// The same for a file; a file that cannot be read has no rows.
PictureDataSections readPictureDataSections(const QString& path);

} // namespace vistello
