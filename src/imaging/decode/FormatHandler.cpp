#include "imaging/decode/FormatHandler.h"

namespace vistello {

bool FormatHandler::isPanorama() const
{
    if (!panoramaMode || imageWidth <= 0 || imageHeight <= 0)
        return false;
    const int longer = imageWidth > imageHeight ? imageWidth : imageHeight;
    const int shorter = imageWidth > imageHeight ? imageHeight : imageWidth;
    return longer / shorter > 1;
}

} // namespace vistello
