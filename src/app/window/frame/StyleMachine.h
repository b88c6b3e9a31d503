#pragma once
// Choosing the page of the central area: what changes when the display
// style changes, and where the page toggles and the Esc key lead.
#include "app/window/frame/DisplayStyle.h"
#include "app/window/frame/MainWindowState.h"

namespace vistello {

struct StyleChange {
    enum class TabRow { Keep, CreateOptions, CreateHtml, Destroy, Select };

    bool changed = false;
    uint64_t from = 0;
    uint64_t to = 0;
    bool oldPageHides = false;  // a different page takes the central area
    bool rememberFolder = false; // leaving the picture styles
    bool restoreFolder = false;  // coming back to them
    TabRow tabRow = TabRow::Keep;
};

// Sets state.displayStyle; a mask that is not one known bit becomes the picture page.
StyleChange setDisplayStyle(MainWindowState& state, uint64_t mask);

// The style a page command leads to, or 0 when the command is no page
// command. optionsSelection: the options tab used last.
uint64_t styleForCommand(const MainWindowState& state, int command, uint64_t optionsSelection);

struct EscapeContext {
    bool mouseCaptured = false;
    bool addressEditing = false;
};

enum class EscapeStep { EndCapture, CancelAddressEdit, CloseTaskPage, LeavePictureTab, LeavePictureOnly, Nothing };

// One step back per Esc, the innermost first.
EscapeStep escapeStep(const MainWindowState& state, const EscapeContext& context);
// The style the picture-data, binary and histogram tabs step back to.
uint64_t styleAfterPictureTab(const MainWindowState& state);

enum class PictureOnlyAction { StopAutoShow, Enter, Leave, Nothing };

// Entering needs a picture; leaving is always possible, also when the list
// became empty meanwhile.
PictureOnlyAction pictureOnlyAction(const MainWindowState& state, bool autoShowRunning, int listCount);

} // namespace vistello
