#include "core/lists/PathArray.h"

#include "core/lists/PathCollation.h"

#include <algorithm>

namespace vistello {

PathArray::PathArray(int growStep)
    : growStep_(std::max(growStep, 1))
{
}

QString PathArray::at(int index) const
{
    if (count_ == 0)
        return {};
    qint64 i = qint64(index) % count_;
    if (i < 0)
        i += count_;
    return slots_[size_t(i)];
}

void PathArray::set(int index, const QString& path)
{
    if (path.isEmpty() || path.size() > kMaxPathLength || index < 0 || index >= kMaxCount)
        return;
    if (index < count_) {
        slots_[size_t(index)] = path;
        return;
    }
    if (index >= capacity_)
        capacity_ = int(std::min<qint64>(qint64(index) + growStep_, kMaxCount + qint64(growStep_)));
    // The vector grows geometrically on its own, so appending one path at a
    // time with a small growStep stays linear.
    slots_.resize(size_t(index) + 1);
    slots_[size_t(index)] = path;
    count_ = index + 1;
}

int PathArray::find(int start, QStringView path) const
{
    if (start < 0 || start >= count_)
        return -1;
    for (int i = start; i < count_; ++i)
        if (slots_[size_t(i)].size() == path.size() && QStringView(slots_[size_t(i)]) == path)
            return i;
    return -1;
}

int PathArray::removeAt(int index)
{
    if (index < 0 || index >= count_)
        return -1;
    slots_.erase(slots_.begin() + index);
    --count_;
    if (count_ == 0)
        currentIndex_ = 0;
    return index;
}

void PathArray::removePath(QStringView path)
{
    // Resume at the removed position: the entry that moved into it is checked too.
    int i = find(0, path);
    while (i >= 0) {
        removeAt(i);
        i = find(i, path);
    }
}

void PathArray::reset(const QString& path)
{
    clear(false);
    set(0, path);
}

void PathArray::clear(bool freeMemory)
{
    slots_.clear();
    count_ = 0;
    currentIndex_ = 0;
    if (freeMemory) {
        slots_.shrink_to_fit();
        capacity_ = 0;
    }
}

void PathArray::copyFrom(const PathArray& other)
{
    if (this != &other)
        *this = other;
}

void PathArray::appendAll(const PathArray& from, PathArray& to)
{
    const int n = from.count_; // stable even when from and to are the same array
    for (int i = 0; i < n; ++i) {
        const QString path = from.slots_[size_t(i)]; // a copy: appending may move the slots
        to.append(path);
    }
}

void PathArray::sort()
{
    if (count_ > 1)
        sortPaths(slots_);
}

QStringList PathArray::toStringList() const
{
    QStringList list;
    list.reserve(count_);
    for (const QString& p : slots_)
        list.append(p);
    return list;
}

} // namespace vistello
