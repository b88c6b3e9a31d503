#pragma once
// The viewer's row of image buttons over the lower right corner: which
// ones, where, and whether each may be pressed. The lossless ones name
// their engine operation here, by what they do.
#include "jpegedit/transform/TransformRequest.h"

#include <QPoint>
#include <optional>
#include <vector>

namespace vistello {

namespace viewer {
inline constexpr int RotateRight = 40020;
inline constexpr int RotateLeft = 40021;
inline constexpr int FlipHorizontal = 40022;
inline constexpr int FlipVertical = 40023;
inline constexpr int MainDiagonal = 40024;
inline constexpr int SubDiagonal = 40025;
inline constexpr int EnableZoom = 40081;
inline constexpr int ZoomIn = 40082;
inline constexpr int ZoomOut = 40083;
inline constexpr int MoveDown = 40084;
inline constexpr int MoveUp = 40085;
inline constexpr int MoveRight = 40086;
inline constexpr int MoveLeft = 40087;
inline constexpr int DisableZoom = 40089;
inline constexpr int BackToNormal = 40196;
inline constexpr int Crop = 40204;
inline constexpr int Delete = 40216;
inline constexpr int RestoreOriginal = 40241;
inline constexpr int StopShow = 40372;
inline constexpr int Greyscale = 40395;
inline constexpr int AutoRotate = 40435;
} // namespace viewer

inline constexpr int kButtonSize = 18;

struct ViewerButton {
    int command = 0;
    QPoint topLeft;
    bool enabled = true;
};

struct ButtonInputs {
    int width = 0; // client area
    int height = 0;
    bool pictureOk = false;
    bool writeProtected = false;
    bool originalExists = false; // the picture's ".original" can be read
    int orientation = 1;
    unsigned capabilities = 0; // the format's lossless capability word
};

// The normal-mode row, right to left.
std::vector<ViewerButton> controlRow(const ButtonInputs& in);

// The zoom-mode row: zoom in/out by the level, the four moves, back to
// the normal view.
std::vector<ViewerButton> zoomRow(int width, int height, int level);
// Where the " 100% " label of the zoom row starts.
QPoint zoomLabelAt(int width, int height);

struct ViewerModes {
    bool pictureOnly = false;
    bool autoShow = false;
    bool buttonsInPictureOnly = false; // "ControlButtonsInFullscreen"
};
bool controlRowShown(const ViewerModes& modes);
// The top-right button: stop the show, or back to the normal view.
std::optional<ViewerButton> topRightButton(const ViewerModes& modes, int width);

// A lossless button's request to the engine, by what the button does;
// nothing for the other buttons.
std::optional<TransformRequest> losslessRequest(int command);

} // namespace vistello
