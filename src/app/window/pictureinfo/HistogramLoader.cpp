#include "app/window/pictureinfo/HistogramLoader.h"

namespace vistello {

HistogramLoader::HistogramLoader(QString path, Deliver deliver) : path_(std::move(path)), deliver_(std::move(deliver))
{
}

HistogramLoader::~HistogramLoader() { stop(-1); }

void HistogramLoader::run()
{
    const Histogram histogram = readHistogram(path_, &stopFlag());
    if (!stopRequested())
        deliver_(histogram);
}

} // namespace vistello
