#include "app/window/taskpane/PictureCheckRules.h"

#include "core/lists/PictureList.h"
#include "organize/search/PictureCheck.h"
#include "resources/OrganizeStrings.h"
#include "resources/SearchPageStrings.h"

namespace vistello {

QStringList picturesToCheck(const PictureList& current)
{
    return current.selection().isEmpty() ? current.entries().toStringList() : current.selection().toStringList();
}

QString pictureCheckPageText()
{
    return strings::text(strings::kCheckPageText).arg(strings::text(strings::kErrorListName));
}

PictureCheckEnd pictureCheckEnd(int brokenCount, const QString& errorListPath)
{
    // A list that could not be written is not opened; the count is still told.
    return {pictureCheckCompletionText(brokenCount), brokenCount > 0, brokenCount > 0 && !errorListPath.isEmpty()};
}

} // namespace vistello
