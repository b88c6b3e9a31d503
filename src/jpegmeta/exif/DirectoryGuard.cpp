#include "jpegmeta/exif/DirectoryGuard.h"

namespace vistello {

bool DirectoryGuard::visited(int64_t offset) const
{
    for (int i = 0; i < inlineCount_; ++i)
        if (inline_[size_t(i)] == offset)
            return true;
    return overflow_.count(offset) != 0;
}

bool DirectoryGuard::enter(int64_t offset, int depth)
{
    if (depth > kMaxDepth || exhausted() || visited(offset))
        return false;
    if (inlineCount_ < int(inline_.size()))
        inline_[size_t(inlineCount_++)] = offset;
    else
        overflow_.insert(offset);
    ++used_;
    return true;
}

bool DirectoryGuard::takeEntry()
{
    if (exhausted())
        return false;
    ++used_;
    return true;
}

} // namespace vistello
