#pragma once
// The guidance of the red-eye mode: the step shown in the task pane's step
// box and which controls each event enables.
//   1 select an area           2 a red area is selected
//   3 corrected; select next   4 another red area is selected
//   5 corrected again; save
namespace vistello {

struct RedEyeControls {
    bool remove = false;    // "Remove red eyes"
    bool reset = false;     // "Reset"
    bool intensity = false; // the slider and its field
    bool save = false;      // "Save"
};

class RedEyeSteps {
public:
    int step() const { return step_; }
    const RedEyeControls& controls() const { return controls_; }

    // A new selection starts (the button went down outside the old one).
    void newSelection();
    // The button came up; red: the area holds enough red.
    void selectionFinished(bool red);
    // "Remove red eyes"; changed: a pixel changed; differs: the picture differs from the file.
    void corrected(bool changed, bool differs);
    // "Reset"; differs: the picture still differs from the file.
    void reset(bool differs);

private:
    int step_ = 1;
    RedEyeControls controls_;
};

} // namespace vistello
