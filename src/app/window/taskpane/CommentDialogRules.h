#pragma once
// The "Change picture comment" dialog without its widgets: what it shows
// for the selected pictures, which controls may be used, and the change its
// "OK" and "Apply" make.
#include "organize/comments/CommentApply.h"

#include <QString>
#include <optional>

namespace vistello {

class SettingsStore;

struct CommentDialogInputs {
    int selected = 0;
    // One picture: its comments and whether its format carries one.
    QString listComment;
    QString fileComment;
    bool formatCarriesComments = false;
};

struct CommentDialogFill {
    QString heading;
    // Set only for one picture; several keep what the fields hold.
    std::optional<QString> listText;
    std::optional<QString> fileText;
    bool fileBoxEnabled = false;
    bool applyEnabled = false;
};

CommentDialogFill commentDialogFill(const CommentDialogInputs& in);

// A field can be typed into while its box is ticked (and, for the file, the box may be used).
inline bool commentFieldEnabled(bool boxTicked, bool boxEnabled)
{
    return boxTicked && boxEnabled;
}

struct CommentDialogValues {
    bool toList = true;
    bool toFile = false;
    bool add = false;
    QString listText;
    QString fileText;
};

// Stores the three boxes; nothing to apply when neither place is ticked.
std::optional<CommentChange> commentChangeFrom(SettingsStore& store, const CommentDialogValues& values);

} // namespace vistello
