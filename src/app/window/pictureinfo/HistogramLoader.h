#pragma once
// Reads one picture's histogram on its own thread, so that a slow or huge
// file never holds up the window. The result goes to the callback on the
// loader's thread; a stopped loader delivers nothing.
#include "core/jobs/WorkerThread.h"
#include "imaging/histogram/Histogram.h"

#include <QString>
#include <functional>

namespace vistello {

class HistogramLoader : public WorkerThread {
public:
    using Deliver = std::function<void(const Histogram& histogram)>;
    HistogramLoader(QString path, Deliver deliver);
    ~HistogramLoader() override;

protected:
    void run() override;

private:
    const QString path_;
    const Deliver deliver_;
};

} // namespace vistello
