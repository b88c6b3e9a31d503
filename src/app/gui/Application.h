#pragma once

namespace vistello {

// Runs the program from process start to the end of the main window; returns the exit status.
int runApplication(int argc, char** argv);

} // namespace vistello
