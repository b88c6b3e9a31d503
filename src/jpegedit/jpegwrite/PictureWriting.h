#pragma once
// Gives the JPEG format its writer. The format handlers live below the
// editing code, so the writer is handed in once the formats are registered
// (registerBuiltInFormats); BMP writes on its own.
namespace vistello {

class PictureFileTypes;

void enablePictureWriting(PictureFileTypes& types);

} // namespace vistello
