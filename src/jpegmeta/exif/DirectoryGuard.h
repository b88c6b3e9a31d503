#pragma once
// Bounds one walk over an EXIF block: every directory is entered at most once
// (so neither cycles nor thousands of pointers to one child multiply the
// work), nesting stops at a fixed depth, and the whole walk reads a bounded
// number of directories and entries.
#include <QtGlobal>
#include <array>
#include <cstdint>
#include <unordered_set>

namespace vistello {

class DirectoryGuard {
public:
    static constexpr int kMaxDepth = 8;
    static constexpr int kBudget = 10000; // directories plus entries per walk

    // True when the directory at this absolute offset may be walked now;
    // marks it as visited.
    bool enter(int64_t offset, int depth);
    // True while the entry budget lasts; takes one entry from it.
    bool takeEntry();
    bool exhausted() const { return used_ >= kBudget; }

private:
    bool visited(int64_t offset) const;

    int used_ = 0;
    int inlineCount_ = 0;
    std::array<int64_t, 16> inline_{}; // the usual walk meets a handful of directories
    std::unordered_set<int64_t> overflow_;
};

} // namespace vistello
