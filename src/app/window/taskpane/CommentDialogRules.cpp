#include "app/window/taskpane/CommentDialogRules.h"

#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "resources/OrganizePageStrings.h"

namespace vistello {

CommentDialogFill commentDialogFill(const CommentDialogInputs& in)
{
    CommentDialogFill fill;
    const bool one = in.selected == 1;
    fill.heading = strings::text(one ? strings::kAddCommentHeading : strings::kChangeCommentHeading);
    fill.applyEnabled = in.selected > 0;
    // Several pictures may hold any format: the box stays usable for those that carry comments.
    fill.fileBoxEnabled = one ? in.formatCarriesComments : true;
    if (one) {
        fill.listText = in.listComment;
        fill.fileText = in.fileComment;
    }
    return fill;
}

std::optional<CommentChange> commentChangeFrom(SettingsStore& store, const CommentDialogValues& values)
{
    store.set(setting::WriteCommentToList, values.toList);
    store.set(setting::WriteCommentToFile, values.toFile);
    store.set(setting::AddToComment, values.add);
    if (!values.toList && !values.toFile)
        return std::nullopt;
    CommentChange change;
    change.toList = values.toList;
    change.toFile = values.toFile;
    change.add = values.add;
    change.listText = values.listText;
    change.fileText = values.fileText;
    change.keepOriginal = store.get(setting::CopyOriginal);
    return change;
}

} // namespace vistello
