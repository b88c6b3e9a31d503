#pragma once
// The growable array of picture paths that every picture list is made of.
// Indices wrap round (at(-1) is the last entry), a path is 1 to 511 UTF-16
// units, and slots skipped by set() read as empty entries.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace vistello {

class PathArray {
public:
    static constexpr int kMaxPathLength = 511;
    // Guards the arithmetic of set(): no list ever holds this many pictures.
    static constexpr int kMaxCount = 1 << 24;

    explicit PathArray(int growStep = 100);

    int count() const { return count_; }
    bool isEmpty() const { return count_ == 0; }
    int currentIndex() const { return currentIndex_; }
    void setCurrentIndex(int index) { currentIndex_ = index; }
    int growStep() const { return growStep_; }
    // Number of slots the array holds without growing (grows by growStep).
    int capacity() const { return capacity_; }

    // Empty when the array is empty; any index wraps round into 0..count-1.
    QString at(int index) const;
    // Ignored for an empty path, a path over 511 units or a negative index.
    // Writing beyond count leaves empty entries in between.
    void set(int index, const QString& path);
    void append(const QString& path) { set(count_, path); }

    // First index at or after start whose entry equals path exactly; -1 if none.
    int find(int start, QStringView path) const;
    bool contains(QStringView path) const { return find(0, path) >= 0; }

    // Returns index, or -1 when out of range. currentIndex is kept.
    int removeAt(int index);
    // Removes every entry equal to path.
    void removePath(QStringView path);
    // Exactly that one entry, current.
    void reset(const QString& path);
    void clear(bool freeMemory);
    void copyFrom(const PathArray& other);
    static void appendAll(const PathArray& from, PathArray& to);

    // Case-insensitive in the user's locale, exact order for ties.
    void sort();

    // The entries in order, gaps as empty strings.
    QStringList toStringList() const;

private:
    std::vector<QString> slots_; // size() == count_
    int count_ = 0;
    int currentIndex_ = 0;
    int growStep_ = 1;
    int capacity_ = 0;
};

} // namespace vistello
