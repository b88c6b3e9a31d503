#include "app/window/frame/Accelerators.h"

#include "app/window/frame/CommandIds.h"

namespace vistello {

namespace {

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;

constexpr Accelerator row(Qt::KeyboardModifiers modifiers, Qt::Key key, int command, bool inMemoryOnly = false)
{
    return {QKeyCombination(modifiers, key), command, inMemoryOnly};
}

constexpr Accelerator kAccelerators[] = {
    row(kNone, Qt::Key_F1, command::Information),
    row(kNone, Qt::Key_F2, command::Rename),
    row(kNone, Qt::Key_F3, command::Search),
    row(kNone, Qt::Key_F4, command::ChangeComment),
    row(kNone, Qt::Key_F5, command::Update),
    row(kNone, Qt::Key_F8, command::ActionList),
    row(kNone, Qt::Key_F9, command::Options),
    row(kNone, Qt::Key_F10, command::PictureData),
    row(kNone, Qt::Key_F11, command::PictureOnly),
    row(Qt::AltModifier, Qt::Key_Return, command::FullScreenFrame),
    row(Qt::ShiftModifier, Qt::Key_Return, command::FullScreenFrame),
    row(Qt::ShiftModifier | Qt::AltModifier, Qt::Key_Return, command::FullScreenFrame),
    row(kNone, Qt::Key_Return, command::Enter),
    row(kNone, Qt::Key_Escape, command::Escape),
    row(kNone, Qt::Key_Tab, command::FocusSwitch),
    row(kNone, Qt::Key_Delete, command::DeletePictures),
    // With Ctrl the question comes even when it was switched off.
    row(Qt::ControlModifier, Qt::Key_Delete, command::DeletePictures),
    row(Qt::ControlModifier, Qt::Key_A, command::SelectAll),
    row(Qt::ControlModifier, Qt::Key_B, command::ColourMosaic),
    row(Qt::ControlModifier, Qt::Key_E, command::InfoBox),
    row(Qt::ControlModifier, Qt::Key_F, command::ConvertFormat),
    row(Qt::ControlModifier, Qt::Key_I, command::Invert),
    row(Qt::ControlModifier, Qt::Key_K, command::CopyPictures),
    row(Qt::ControlModifier, Qt::Key_L, command::ExportList),
    row(Qt::ControlModifier, Qt::Key_R, command::Resize),
    row(Qt::ControlModifier, Qt::Key_S, command::AutoShow),
    row(Qt::ControlModifier, Qt::Key_V, command::PastePicture),
    row(Qt::ControlModifier, Qt::Key_X, command::FileDateFromExif),
    row(Qt::ControlModifier, Qt::Key_Z, command::ZoomMode),
    row(Qt::AltModifier, Qt::Key_1, command::RotateLeft),
    row(Qt::ControlModifier | Qt::AltModifier, Qt::Key_1, command::RotateLeft, true),
    row(Qt::AltModifier, Qt::Key_2, command::RotateRight),
    row(Qt::ControlModifier | Qt::AltModifier, Qt::Key_2, command::RotateRight, true),
    row(Qt::AltModifier, Qt::Key_3, command::AutoRotate),
    row(kNone, Qt::Key_Forward, command::NextPicture),
    row(kNone, Qt::Key_Back, command::PreviousPicture),
};

// The editing keys a focused text field keeps.
bool textFieldKeeps(QKeyCombination keys)
{
    const Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
    switch (keys.key()) {
    case Qt::Key_Delete: // also Ctrl+Del, which deletes a word
    case Qt::Key_Backspace:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    case Qt::Key_Return:
        return modifiers == Qt::NoModifier;
    case Qt::Key_A:
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_X:
    case Qt::Key_Z:
        return modifiers == Qt::ControlModifier;
    default:
        return false;
    }
}

QKeyCombination normalised(QKeyCombination keys)
{
    Qt::KeyboardModifiers modifiers = keys.keyboardModifiers() & ~Qt::KeypadModifier;
    Qt::Key key = keys.key();
    if (key == Qt::Key_Enter)
        key = Qt::Key_Return;
    return QKeyCombination(modifiers, key);
}

} // namespace

std::span<const Accelerator> accelerators()
{
    return kAccelerators;
}

std::optional<Accelerator> routeKey(QKeyCombination keys, const KeyFocus& focus)
{
    const QKeyCombination key = normalised(keys);
    if (focus.textField && textFieldKeeps(key))
        return std::nullopt;
    for (const Accelerator& accelerator : kAccelerators)
        if (accelerator.keys == key)
            return accelerator;
    return std::nullopt;
}

std::optional<int> routeMouseButton(Qt::MouseButton button)
{
    if (button == Qt::ForwardButton)
        return command::NextPicture;
    if (button == Qt::BackButton)
        return command::PreviousPicture;
    return std::nullopt;
}

} // namespace vistello
