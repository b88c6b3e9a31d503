#include "organize/folders/TreeStatisticsJob.h"

namespace vistello {

TreeStatisticsJob::TreeStatisticsJob(const QString& folder, QObject* parent) : QObject(parent), folder_(folder) {}

TreeStatisticsJob::~TreeStatisticsJob()
{
    stop(-1);
}

void TreeStatisticsJob::run()
{
    complete_ =
        scanTreeStatistics(folder_, stats_, &stopFlag(), [this](const TreeStatistics& s) { Q_EMIT progressed(s); });
}

// Also when a stop came before run() began.
void TreeStatisticsJob::onExit()
{
    Q_EMIT finished(stats_, complete_);
}

} // namespace vistello
