#pragma once
// The task-pane pages by their mode numbers (the main window's taskPage)
// and the commands that open them.
namespace vistello::taskpage {

inline constexpr int None = 0;
inline constexpr int Resize = 1;
inline constexpr int RotateRight = 10;
inline constexpr int RotateLeft = 11;
inline constexpr int AutoRotate = 12;
inline constexpr int MirrorVertical = 13;
inline constexpr int Greyscale = 14;
inline constexpr int CopyPictures = 20;
inline constexpr int Wallpaper = 21;
inline constexpr int ConvertFormat = 29;
inline constexpr int Rename = 32;
inline constexpr int HtmlGallery = 30;
inline constexpr int PictureIndex = 31;
inline constexpr int PictureCheck = 33;
inline constexpr int ActionList = 34;
inline constexpr int CropRectangle = 36; // opened by the viewer's crop mode
inline constexpr int SplitPanorama = 37;

// The page a command opens, or None.
int modeForCommand(int command);

// The mode after the command is chosen while `open` is open: its page, or
// None when that page is already open (the same command closes it).
int modeAfterCommand(int open, int command);

} // namespace vistello::taskpage
