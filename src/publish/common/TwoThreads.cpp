#include "publish/common/TwoThreads.h"

#include <algorithm>
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

qsizetype picturesAhead(qint64 width, qint64 height, qsizetype most)
{
    constexpr qint64 kAheadBytes = qint64(256) << 20;
    const qint64 bytes = std::max<qint64>(1, width) * std::max<qint64>(1, height) * 3;
    return qsizetype(std::clamp<qint64>(kAheadBytes / bytes, 1, std::max<qsizetype>(1, most)));
}

} // namespace vistello
