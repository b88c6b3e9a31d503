#pragma once
// The decisions start-up takes after the command line was applied.
#include "app/startup/OptionProcessor.h"
#include "app/startup/StartupOptions.h"

#include <QStringList>

namespace vistello {

class SettingsStore;

// A start folder ("-p") takes precedence: the pictures of path arguments are dropped.
void applyStartFolderPrecedence(StartupOptions& options);

// Paths were given but none of them yielded a picture: end without a window.
// A start folder still opens the window on that folder, although its
// precedence emptied the list.
bool endsWithoutWindow(const StartupOptions& options);

// Text drawn in the background colour would be invisible: when both
// settings are equal the text colour becomes the background's inverse and is
// stored. Returns whether it was changed.
bool applyColourSanity(SettingsStore& store);

// The settings steps of start-up in their order: the main window reads its
// colours (with the sanity check above), then the options are applied in
// parameter order (so a colour given on the command line stands as given),
// then the start folder takes precedence.
void applyStartupSettings(const QStringList& parameters, SettingsStore& store, StartupOptions& options,
                          PathArgumentSink pathArgument);

} // namespace vistello
