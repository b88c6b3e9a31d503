#include "platform/HugePages.h"

#include <cstdint>
#include <sys/mman.h>

namespace vistello {

void adviseHugePages(void* data, std::size_t bytes)
{
    constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
    if (!data || bytes < 2 * kHugePage)
        return;
    const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kHugePage - 1);
    if (end > begin) // only a hint: a refusal changes nothing
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

} // namespace vistello
