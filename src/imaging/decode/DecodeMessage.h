#pragma once
// The JPEG library's text for the last failed decode on this thread. The
// picture information shows it; each thread keeps its own, so the thumbnail
// loader's failures never overwrite the viewer's text halfway.
#include <QString>

namespace vistello {

QString lastDecodeMessage();
void setLastDecodeMessage(const char* text);

} // namespace vistello
