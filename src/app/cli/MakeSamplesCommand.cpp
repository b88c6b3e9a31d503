#include "app/cli/CliCommands.h"

namespace vistello::cli {

int runMakeSamples(const QStringList&) { return Failure; } // placeholder until the command lands

} // namespace vistello::cli
