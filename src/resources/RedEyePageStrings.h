#pragma once
// Texts of the red-eye removal mode: its controls, tool tips and the steps
// shown in the task pane's step box.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kRedEyeStepTitle = 33785;
inline constexpr int kRedEyeStepSelect = 33786;
inline constexpr int kRedEyeStepRemove = 33787;
inline constexpr int kRedEyeStepNext = 33788;
inline constexpr int kRedEyeStepSave = 33789;
inline constexpr int kRedEyeIntensity = 33790;
inline constexpr int kRedEyeRemoveTip = 33791;
inline constexpr int kRedEyeResetTip = 33792;
inline constexpr int kRedEyeMakeCopyTip = 33793;
inline constexpr int kRedEyeSave = 40337;
inline constexpr int kRedEyeCancel = 40338;
inline constexpr int kRedEyeRemove = 40349;
inline constexpr int kRedEyeReset = 40350;

inline constexpr StringRow kRedEyePageStrings[] = {
    {kRedEyeStepTitle, u"Step %d:"},
    {kRedEyeStepSelect, u"If the picture is larger than the displayed area, use the scroll bar at the left and at the "
                        u"bottom to scroll the picture to the right position. Select the red eye by pressing the left "
                        u"mouse button and move the mouse. Release the left mouse button to finish the selection."},
    {kRedEyeStepRemove, u"Click on \"Remove red eye\" or click on \"Reset\" to revert any changes in the selected "
                        u"area. You can also adjust the Intensity with the slide control to change the red eye "
                        u"removal."},
    {kRedEyeStepNext, u"Select the next area. You can move the existing selection by pressing the left mouse button. "
                      u"Modify the size of the selection by clicking on the border of the selection and move the "
                      u"mouse."},
    {kRedEyeStepSave, u"Click on \"Save\" to save the modified picture with the same name. If the option \"Make "
                      u"copy\" is not activated, the picture is saved with the name addition \".original\" in the "
                      u"same picture folder. The original picture can later be restored with \"Restore original "
                      u"picture\"."},
    {kRedEyeIntensity, u"Intensity:"},
    {kRedEyeRemoveTip, u"Click here to remove the red eye in the selected area."},
    {kRedEyeResetTip, u"Click here to revert the changes in the selected area. If there is no selection all changes "
                      u"are reverted."},
    {kRedEyeMakeCopyTip, u"Click here to save the changed picture as a copy. the original will be changed if you "
                         u"deactivate this function."},
    {kRedEyeSave, u"Save"},
    {kRedEyeCancel, u"Cancel"},
    {kRedEyeRemove, u"Remove red eyes"},
    {kRedEyeReset, u"Reset"},
};

} // namespace vistello::strings
