#include "app/window/taskpane/SelectionStatus.h"

#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/FormatHandler.h"
#include "resources/TaskPaneStrings.h"

#include <QFileInfo>

namespace vistello {

QString selectionStatusText(int count, QSize size, int64_t bytes)
{
    if (count <= 0)
        return strings::text(strings::kNoPictureSelected);
    if (count > 1)
        return strings::text(strings::kPicturesSelected).arg(count);
    const int64_t kilobytes = bytes > 0 ? bytes / 1024 + 1 : 0;
    return strings::text(strings::kOnePictureSelected).arg(size.width()).arg(size.height()).arg(kilobytes);
}

QString selectionStatus(const QStringList& workingSet)
{
    if (workingSet.size() != 1)
        return selectionStatusText(int(workingSet.size()), {}, 0);
    const QString& path = workingSet.front();
    QSize size;
    if (std::unique_ptr<FormatHandler> handler = createFormatHandler(PictureFileTypes::instance(), path)) {
        handler->readHeader(path);
        if (handler->valid)
            size = QSize(handler->imageWidth, handler->imageHeight);
    }
    return selectionStatusText(1, size.isValid() ? size : QSize(0, 0), QFileInfo(path).size());
}

} // namespace vistello
