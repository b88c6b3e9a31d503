#include "app/window/frame/ListEdit.h"

#include <algorithm>
#include <cstdlib>

namespace vistello {

std::optional<ListEdit> singleEdit(const QStringList& before, const QStringList& after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    if (std::abs(before.size() - after.size()) != 1)
        return std::nullopt;
    qsizetype first = 0;
    while (first < shorter && before.at(first) == after.at(first))
        ++first;
    // Past the edit the longer list is the shorter one shifted by one.
    const QStringList& longer = before.size() > after.size() ? before : after;
    const QStringList& other = before.size() > after.size() ? after : before;
    for (qsizetype i = first; i < shorter; ++i)
        if (other.at(i) != longer.at(i + 1))
            return std::nullopt;
    return ListEdit{before.size() > after.size() ? ListEdit::Removed : ListEdit::Inserted, int(first)};
}

} // namespace vistello
