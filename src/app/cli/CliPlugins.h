#pragma once
// The picture formats of the commands that decode any format: the built-in
// ones with video and MP3 (their frames need no playback) and the format
// plug-ins from the program's folders, or from --plugin-dir DIR, or none with
// --no-plugins. Refused plug-ins are reported on stderr.
#include <QString>

namespace vistello::cli {

struct CliArguments;

// The two options every such command takes.
#define VISTELLO_CLI_PLUGIN_OPTIONS {"--plugin-dir", true}, {"--no-plugins"}

// Fills the process-wide table once; false (after a message) when the
// options contradict each other.
bool registerFormatsWithPlugins(const CliArguments& parsed, const char* command);

} // namespace vistello::cli
