#include "app/window/viewer/PictureFacts.h"

#include "app/window/viewer/ViewerFrame.h"
#include "jpegedit/batch/PictureTransform.h"
#include "jpegmeta/info/PictureInfoText.h"
#include "platform/WriteProtection.h"

#include <QFileInfo>

namespace vistello {

PictureFacts readPictureFacts(const QString& path)
{
    PictureFacts facts;
    const QFileInfo info(path);
    facts.capabilities = losslessCapabilities(path);
    facts.writeProtected = isWriteProtected(path);
    facts.originalExists = QFileInfo(path + QStringLiteral(".original")).isReadable();
    const PictureSummary summary = readPictureSummary(path);
    if (summary.valid) {
        facts.orientation = summary.orientation > 0 ? summary.orientation : 1;
        facts.size = QSize(int(summary.width), int(summary.height));
        facts.exifComment = summary.userComment.trimmed();
        facts.jpegComment = summary.comment.trimmed();
    }
    facts.longInfo = pictureInfoText(summary, info.fileName(), facts.writeProtected, modifiedDateText(path), info.size());
    facts.shortInfo = shortInfoText(facts.longInfo);
    return facts;
}

} // namespace vistello
