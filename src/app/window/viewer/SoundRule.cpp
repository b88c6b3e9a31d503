#include "app/window/viewer/SoundRule.h"

#include "core/filetypes/CompanionSound.h"
#include "core/filetypes/PictureFileTypes.h"
#include "jpegmeta/extras/EmbeddedSound.h"

namespace vistello {

namespace {

// Only the JPEG reader knows where a camera puts its sound.
bool mayEmbedSound(const QString& path)
{
    const PictureFileTypes& types = PictureFileTypes::instance();
    const PictureFileType* jpeg = types.typeOf(u".jpg");
    const PictureFileType* type = types.typeOf(path);
    return jpeg && type && type->formatName == jpeg->formatName;
}

} // namespace

SoundPlan SoundRule::pictureShown(const QString& path, bool soundsOn)
{
    if (!soundsOn || path.isEmpty() || path == lastPath_)
        return {};
    lastPath_ = path;
    SoundPlan plan;
    plan.stopPlaying = true;
    plan.file = findCompanionSound(path, true);
    if (plan.file.isEmpty() && mayEmbedSound(path))
        plan.data = extractEmbeddedSound(path).value_or(QByteArray());
    return plan;
}

} // namespace vistello
