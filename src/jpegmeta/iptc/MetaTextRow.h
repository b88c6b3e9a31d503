#pragma once
// One row of a decoded header block: a name and a value. Group headings have
// an empty value, list items an empty name.
#include <QString>
#include <vector>

namespace vistello {

struct MetaTextRow {
    QString name;
    QString value;

    bool operator==(const MetaTextRow&) const = default;
};

using MetaTextRows = std::vector<MetaTextRow>;

} // namespace vistello
