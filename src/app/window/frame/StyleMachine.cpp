#include "app/window/frame/StyleMachine.h"

#include "app/window/frame/CommandIds.h"

namespace vistello {

namespace {

bool within(uint64_t mask, uint64_t group)
{
    return (mask & group) != 0;
}

StyleChange::TabRow tabRowChange(uint64_t from, uint64_t to)
{
    for (const uint64_t group : {style::OptionsGroup, style::HtmlGroup}) {
        if (within(to, group))
            return within(from, group) ? StyleChange::TabRow::Select
                                       : (group == style::OptionsGroup ? StyleChange::TabRow::CreateOptions
                                                                       : StyleChange::TabRow::CreateHtml);
    }
    if (within(from, style::OptionsGroup | style::HtmlGroup))
        return StyleChange::TabRow::Destroy;
    return StyleChange::TabRow::Keep;
}

// The group a toggle command switches, with the style it opens.
struct Toggle {
    int command;
    uint64_t group;
    uint64_t firstStyle;
};

constexpr Toggle kToggles[] = {
    {command::Information, style::Information, style::Information},
    {command::Options, style::OptionsGroup, style::Settings},
    {command::Search, style::Search, style::Search},
    {command::RedEye, style::RedEye, style::RedEye},
};

} // namespace

StyleChange setDisplayStyle(MainWindowState& state, uint64_t mask)
{
    if (!style::isKnown(mask))
        mask = style::Picture;
    StyleChange change;
    change.from = state.displayStyle;
    change.to = mask;
    if (mask == state.displayStyle)
        return change;
    change.changed = true;
    if (within(mask, style::PictureStyles))
        state.lastPictureStyle = mask;
    if (mask == style::Picture || mask == style::Overview)
        state.lastMainStyle = mask;
    const bool wasPicture = within(change.from, style::PictureStyles);
    const bool isPicture = within(mask, style::PictureStyles);
    change.rememberFolder = wasPicture && !isPicture;
    change.restoreFolder = !wasPicture && isPicture;
    change.oldPageHides = !(within(change.from, style::PicturePageStyles) && within(mask, style::PicturePageStyles));
    change.tabRow = tabRowChange(change.from, mask);
    state.displayStyle = mask;
    return change;
}

uint64_t styleForCommand(const MainWindowState& state, int id, uint64_t optionsSelection)
{
    if (id == command::PictureData)
        return state.displayStyle == style::PictureData ? style::Picture : style::PictureData;
    for (const Toggle& toggle : kToggles) {
        if (toggle.command != id)
            continue;
        if (within(state.displayStyle, toggle.group))
            return state.lastPictureStyle;
        if (toggle.group == style::OptionsGroup && style::isKnown(optionsSelection)
            && within(optionsSelection, style::OptionsGroup))
            return optionsSelection;
        return toggle.firstStyle;
    }
    return 0;
}

uint64_t styleAfterPictureTab(const MainWindowState& state)
{
    // lastPictureStyle is the tab itself by now; the main style is the level above it.
    return state.lastMainStyle;
}

EscapeStep escapeStep(const MainWindowState& state, const EscapeContext& context)
{
    if (context.mouseCaptured)
        return EscapeStep::EndCapture;
    if (context.addressEditing)
        return EscapeStep::CancelAddressEdit;
    if (state.taskPage != 0)
        return EscapeStep::CloseTaskPage;
    if (within(state.displayStyle, style::PictureData | style::Binary | style::Histogram))
        return EscapeStep::LeavePictureTab;
    if (state.pictureOnly)
        return EscapeStep::LeavePictureOnly;
    return EscapeStep::Nothing;
}

PictureOnlyAction pictureOnlyAction(const MainWindowState& state, bool autoShowRunning, int listCount)
{
    if (autoShowRunning)
        return PictureOnlyAction::StopAutoShow;
    if (state.pictureOnly)
        return PictureOnlyAction::Leave;
    return listCount > 0 ? PictureOnlyAction::Enter : PictureOnlyAction::Nothing;
}

} // namespace vistello
