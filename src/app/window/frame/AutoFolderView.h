#pragma once
// "AutoSelectionView": the folder view comes while the pointer is near the
// left side of the preview strip or the overview list, and goes again when
// it moves farther right. Never in picture-only mode or for an empty list.
namespace vistello {

enum class AutoPane { Keep, Show, Hide };

struct AutoFolderViewContext {
    bool autoSelectionView = false;
    bool pictureOnly = false;
    bool listEmpty = true;
    bool paneVisible = false;
};

// x: the pointer in the strip's or the list's client coordinates.
inline AutoPane autoFolderView(int x, const AutoFolderViewContext& c)
{
    constexpr int kNearLeft = 50;
    if (!c.autoSelectionView || c.pictureOnly || c.listEmpty)
        return AutoPane::Keep;
    if (x < kNearLeft)
        return c.paneVisible ? AutoPane::Keep : AutoPane::Show;
    return c.paneVisible ? AutoPane::Hide : AutoPane::Keep;
}

} // namespace vistello
