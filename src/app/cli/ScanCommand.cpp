#include "app/cli/CliCommands.h"

namespace vistello::cli {

int runScan(const QStringList&) { return Failure; } // placeholder until the command lands

} // namespace vistello::cli
