#pragma once
// Before the viewer changes the shown picture's file by a lossless command
// (a button or key without Ctrl, or auto rotate), a small question offers
// the transform commands' two check boxes, "Modify thumbnail image" and
// "Make copy", as last stored. OK stores both and changes the file (or its
// copy) as they say; Cancel changes nothing.
#include "core/prompts/Prompts.h"
#include "jpegedit/batch/PictureTransform.h"

#include <QString>
#include <optional>

namespace vistello {

class SettingsStore;

struct TurnChoice {
    bool adjustThumbnails = true; // "Modify thumbnail image"
    bool makeCopy = false;        // "Make copy"
};

// The command's name, the question's title; empty for a command that does
// not change the file losslessly.
QString turnCommandName(int command);

// The question for command on the picture at path, its boxes as given.
PromptQuestion turnQuestion(int command, const QString& path, const TurnChoice& shown);

// Asks with the stored settings; on OK stores the boxes and returns them.
std::optional<TurnChoice> askTurn(Prompts& prompts, SettingsStore& settings, int command, const QString& path);

// The whole command: asks, then changes the picture, or a copy that is
// removed again when the change fails. Nothing when the user cancelled or
// the command is not a lossless one.
std::optional<PictureTransformResult> turnPicture(Prompts& prompts, SettingsStore& settings, int command,
                                                  const QString& path, const FileSteps& steps = realFileSteps());

} // namespace vistello
