#include "app/window/redeye/RedEyeSteps.h"

namespace vistello {

void RedEyeSteps::newSelection()
{
    controls_.remove = false;
    controls_.intensity = false;
    if (step_ == 2)
        step_ = 1;
    else if (step_ == 4 || step_ == 5)
        step_ = 3;
}

void RedEyeSteps::selectionFinished(bool red)
{
    controls_.remove = red;
    controls_.intensity = red;
    if (!red)
        return;
    controls_.reset = true;
    if (step_ == 1)
        step_ = 2;
    else if (step_ == 3)
        step_ = 4;
}

void RedEyeSteps::corrected(bool changed, bool differs)
{
    if (step_ == 2)
        step_ = changed ? 3 : 1;
    else if (step_ == 4)
        step_ = changed ? 5 : 3;
    controls_.save = differs;
}

void RedEyeSteps::reset(bool differs)
{
    controls_ = {differs, differs, differs, differs};
    step_ = step_ == 2 ? 1 : differs ? 3 : 1;
}

} // namespace vistello
