#include "ui/taskpane/TaskPages.h"

#include "app/window/taskpane/TaskPageModes.h"
#include "app/window/taskpane/TransformPages.h"
#include "core/lists/PictureLists.h"
#include "ui/taskpane/ActionListPage.h"
#include "ui/taskpane/ConvertPage.h"
#include "ui/taskpane/CopyPicturesPage.h"
#include "ui/taskpane/CropPage.h"
#include "ui/taskpane/ResizePage.h"
#include "ui/taskpane/RenamePage.h"
#include "ui/taskpane/GalleryPage.h"
#include "ui/taskpane/IndexPage.h"
#include "ui/taskpane/PanoramaPage.h"
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
    case taskpage::Resize: return new ResizePage(mode, context, parent);
    case taskpage::ConvertFormat: return new ConvertPage(mode, context, parent);
    case taskpage::Rename: return new RenamePage(mode, context, parent);
    case taskpage::HtmlGallery: return new GalleryPage(mode, context, parent);
    case taskpage::PictureIndex: return new IndexPage(mode, context, parent);
    case taskpage::PictureCheck: return new PictureCheckPage(mode, context, parent);
    case taskpage::ActionList: return new ActionListPage(mode, context, parent);
    case taskpage::CropRectangle: return new CropPage(mode, context, parent);
    case taskpage::SplitPanorama: return PanoramaPage::open(mode, context, parent);
    default: return nullptr;
    }
}

} // namespace vistello
