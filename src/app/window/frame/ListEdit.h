#pragma once
// How a list of paths became another: one picture removed or one inserted
// (the overview keeps the other items' tiles then), or anything else.
#include <QStringList>

#include <optional>

namespace vistello {

struct ListEdit {
    enum Kind { Removed, Inserted };
    Kind kind;
    int index;
};

// None when the lists are equal or differ by more than one entry.
std::optional<ListEdit> singleEdit(const QStringList& before, const QStringList& after);

} // namespace vistello
