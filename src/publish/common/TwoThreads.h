#pragma once
// Runs work(0) ... work(count - 1) on the calling thread and one more, each
// index once, and returns when all are done. Publishing jobs decode a
// window of pictures this way and then write the results in order on their
// own thread, so questions and messages keep coming from one thread.
#include <QtGlobal>
#include <functional>

namespace vistello {

void forEachOnTwoThreads(qsizetype count, const std::function<void(qsizetype index)>& work);

// How many pictures of width x height (RGB) a job may decode ahead of
// writing them: at most `most`, at least one, and no more than about
// 256 MiB together, so huge cells or copies cannot exhaust the memory.
qsizetype picturesAhead(qint64 width, qint64 height, qsizetype most = 8);

} // namespace vistello
