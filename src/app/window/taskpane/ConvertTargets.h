#pragma once
// The drop-down of "Convert picture format": every format that can write,
// by its first extension and description, and which entry starts chosen.
#include <QString>
#include <vector>

namespace vistello {

class PictureFileTypes;

struct ConvertTarget {
    QString extension;   // with the dot
    QString description;
    QString formatName;

    // As the drop-down shows it.
    QString text() const;
};

std::vector<ConvertTarget> convertTargets(const PictureFileTypes& types);

// The entry of the stored extension (compared without case); the first
// entry when none has it; -1 for an empty list.
int chosenTarget(const std::vector<ConvertTarget>& targets, const QString& stored);

} // namespace vistello
