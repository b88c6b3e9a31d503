#pragma once
// The built-in page templates of the HTML gallery. An empty "HTMLIndexPage"
// or "HTMLPicturePage" setting reads as these once they are registered.
#include <QString>

namespace vistello {

QString builtInIndexTemplate();
QString builtInPictureTemplate();

// Hands the templates to the settings store's normalisation.
void registerGalleryTemplates();

} // namespace vistello
