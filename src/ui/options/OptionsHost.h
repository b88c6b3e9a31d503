#pragma once
// What the options pages may ask of the main window.
#include <functional>

namespace vistello {

class Prompts;
class SettingsStore;
struct OptionsEffects;

struct OptionsHost {
    SettingsStore* store = nullptr;
    Prompts* prompts = nullptr;
    std::function<bool()> folderViewShown;
    std::function<void(bool)> showFolderView;            // a click: the left pane at once
    std::function<void()> frameFlagsChanged;             // split lines, folder information
    std::function<void()> coloursChanged;
    std::function<void(const OptionsEffects&)> carryOut; // what an Apply or Cancel asks
    std::function<void()> rescan;                        // the current folder listed again
    std::function<void()> leave;                         // back to the last picture style
    std::function<bool()> jobsRunning;
};

} // namespace vistello
