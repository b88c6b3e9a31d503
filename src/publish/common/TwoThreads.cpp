#include "publish/common/TwoThreads.h"

#include <atomic>
#include <thread>

namespace vistello {

void forEachOnTwoThreads(qsizetype count, const std::function<void(qsizetype index)>& work)
{
    std::atomic<qsizetype> next{0};
    const auto loop = [&] {
        for (qsizetype i = next++; i < count; i = next++)
            work(i);
    };
    if (count < 2) {
        loop();
        return;
    }
    std::thread helper(loop);
    loop();
    helper.join();
}

} // namespace vistello
