#pragma once
// Reads a JPEG's header through the JPEG library with every APPn and COM
// segment saved (up to the first scan, wherever they stand), and keeps a copy
// of that list.
#include "jpegmeta/segments/SavedMarker.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace vistello {

struct SavedMarker {
    uint8_t marker = 0;
    uint32_t originalLength = 0;
    QByteArray data;
};

class SavedMarkerList {
public:
    // Nothing when the library cannot read the header.
    static std::optional<SavedMarkerList> read(const QString& path);
    static std::optional<SavedMarkerList> read(const QByteArray& jpeg);

    const std::vector<SavedMarker>& markers() const { return markers_; }
    // Views into this list (valid while it lives).
    std::vector<SavedMarkerView> views() const;

private:
    std::vector<SavedMarker> markers_;
};

} // namespace vistello
