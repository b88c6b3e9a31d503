#include "imaging/colour/ColourTransform.h"

#include <QFile>
#include <lcms2.h>

namespace vistello {

namespace {

// Profiles are only needed while the transform is built.
struct ProfileHandle {
    cmsHPROFILE handle = nullptr;
    explicit ProfileHandle(cmsHPROFILE h) : handle(h) {}
    ~ProfileHandle()
    {
        if (handle)
            cmsCloseProfile(handle);
    }
    ProfileHandle(const ProfileHandle&) = delete;
    ProfileHandle& operator=(const ProfileHandle&) = delete;
};

cmsUInt32Number formatOf(ColourTransform::Input input)
{
    switch (input) {
    case ColourTransform::Input::Rgb:
        return TYPE_RGB_8;
    case ColourTransform::Input::Cmyk:
        return TYPE_CMYK_8;
    case ColourTransform::Input::InvertedCmyk:
        return TYPE_CMYK_8_REV;
    }
    return TYPE_RGB_8;
}

cmsColorSpaceSignature spaceOf(ColourTransform::Input input)
{
    return input == ColourTransform::Input::Rgb ? cmsSigRgbData : cmsSigCmykData;
}

} // namespace

ColourTransform::~ColourTransform()
{
    cmsDeleteTransform(static_cast<cmsHTRANSFORM>(transform_));
}

std::unique_ptr<ColourTransform> ColourTransform::fromEmbeddedProfile(const QByteArray& icc, Input input)
{
    if (icc.isEmpty())
        return nullptr;
    const ProfileHandle embedded(cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size())));
    if (!embedded.handle || cmsGetColorSpace(embedded.handle) != spaceOf(input))
        return nullptr;
    const ProfileHandle srgb(cmsCreate_sRGBProfile());
    if (!srgb.handle)
        return nullptr;
    cmsHTRANSFORM transform =
        cmsCreateTransform(embedded.handle, formatOf(input), srgb.handle, TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    if (!transform)
        return nullptr;
    return std::unique_ptr<ColourTransform>(new ColourTransform(transform, input));
}

std::unique_ptr<ColourTransform> ColourTransform::toDisplayProfile(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return nullptr;
    // ICC profiles are small; anything larger than this is not one.
    constexpr qint64 kMaxProfileBytes = 64 << 20;
    if (file.size() > kMaxProfileBytes)
        return nullptr;
    const QByteArray bytes = file.readAll();
    const ProfileHandle display(cmsOpenProfileFromMem(bytes.constData(), cmsUInt32Number(bytes.size())));
    if (!display.handle || cmsGetColorSpace(display.handle) != cmsSigRgbData)
        return nullptr;
    const ProfileHandle srgb(cmsCreate_sRGBProfile());
    if (!srgb.handle)
        return nullptr;
    cmsHTRANSFORM transform =
        cmsCreateTransform(srgb.handle, TYPE_RGB_8, display.handle, TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    if (!transform)
        return nullptr;
    return std::unique_ptr<ColourTransform>(new ColourTransform(transform, Input::Rgb));
}

void ColourTransform::transformRow(unsigned char* row, int pixelCount) const
{
    if (pixelCount > 0)
        cmsDoTransform(static_cast<cmsHTRANSFORM>(transform_), row, row, cmsUInt32Number(pixelCount));
}

void ColourTransform::transformRow(const unsigned char* in, unsigned char* out, int pixelCount) const
{
    if (pixelCount > 0)
        cmsDoTransform(static_cast<cmsHTRANSFORM>(transform_), in, out, cmsUInt32Number(pixelCount));
}

} // namespace vistello
