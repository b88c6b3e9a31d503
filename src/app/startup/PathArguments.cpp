#include "app/startup/PathArguments.h"

namespace vistello {

PathArgumentCollector::PathArgumentCollector(StartupOptions& options)
    : options_(options)
{
}

void PathArgumentCollector::add(QStringView parameter)
{
    pictures_.addPathArgument(parameter.toString(), options_.includeSubfolders);
    options_.pathsGiven = options_.pathsGiven || pictures_.pathsGiven();
    options_.commandLinePictures = pictures_.list().entries().toStringList();
}

} // namespace vistello
