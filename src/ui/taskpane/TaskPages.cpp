#include "ui/taskpane/TaskPages.h"

#include "app/window/taskpane/TaskPageModes.h"
#include "app/window/taskpane/TransformPages.h"
#include "core/lists/PictureLists.h"
#include "ui/taskpane/CopyPicturesPage.h"
#include "ui/taskpane/PictureCheckPage.h"
#include "ui/taskpane/TaskPageContext.h"
#include "ui/taskpane/TransformPage.h"

namespace vistello {

QStringList TaskPageContext::takeWorkingSet() const
{
    return lists.takeWorkingSet();
}

CommandPage* makeTaskPage(int mode, const TaskPageContext& context, QWidget* parent)
{
    if (isTransformPage(mode))
        return new TransformPage(mode, context, parent);
    switch (mode) {
    case taskpage::CopyPictures: return new CopyPicturesPage(mode, context, parent);
    case taskpage::PictureCheck: return new PictureCheckPage(mode, context, parent);
    default: return nullptr;
    }
}

} // namespace vistello
