#pragma once
// The main window's command numbers. Keys, top-bar buttons, tabs and
// scripted runs all name commands by these numbers.
namespace vistello::command {

inline constexpr int AutoShow = 40000;
inline constexpr int PictureOnly = 40001;
inline constexpr int NextPicture = 40002;
inline constexpr int PreviousPicture = 40003;
inline constexpr int Information = 40004;
inline constexpr int Options = 40005;
inline constexpr int DeletePictures = 40008;
inline constexpr int PictureData = 40009;
inline constexpr int HtmlPage = 40010;
inline constexpr int Update = 40019;
inline constexpr int NormalFrame = 40028;
inline constexpr int FullScreenFrame = 40029;
inline constexpr int PictureIndex = 40030;
inline constexpr int MinimizeWindow = 40039;
inline constexpr int SetWallpaper = 40041;
inline constexpr int Search = 40060;
inline constexpr int Invert = 40071;
inline constexpr int Rename = 40073;
inline constexpr int ZoomMode = 40093;
inline constexpr int InfoBox = 40124;
inline constexpr int ExportList = 40126;
inline constexpr int ChangeView = 40157;
inline constexpr int SelectAll = 40164;
inline constexpr int RotateRight = 40165;
inline constexpr int ChangeComment = 40166;
inline constexpr int MirrorVertical = 40167;
inline constexpr int AutoRotate = 40168;
inline constexpr int RotateLeft = 40175;
inline constexpr int Resize = 40210;
inline constexpr int PastePicture = 40261;
inline constexpr int RedEye = 40302;
inline constexpr int RestoreOriginal = 40347;
inline constexpr int ActionList = 40360;
inline constexpr int Escape = 40373;
inline constexpr int Enter = 40375;
inline constexpr int ConvertFormat = 40402;
inline constexpr int CopyPictures = 40438;
inline constexpr int ColourMosaic = 40443;
inline constexpr int FocusSwitch = 40445;
inline constexpr int Greyscale = 40451;
inline constexpr int PictureCheck = 40459;
inline constexpr int FileDateFromExif = 40470;
inline constexpr int SplitPanorama = 40901;
inline constexpr int Exit = 57665;

// Whether the number names one of the commands above.
bool isKnown(int id);

// The pages' own menu commands: the window hands them to the page shown.
inline constexpr int CopyPictureData = 40384;
inline constexpr int SavePictureData = 40386;
inline constexpr int LoadPictureData = 40388;
inline constexpr int RemovePictureData = 40439;
// The information box's Copy in the task pane.
inline constexpr int CopyTaskInfo = 40278;

bool isPageCommand(int id);

} // namespace vistello::command
