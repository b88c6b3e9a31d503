#pragma once
// The image files the HTML gallery writes beside its pages, byte for byte:
// a 64 x 64 background tile and three 18 x 18 buttons.
#include <QByteArray>
#include <QString>

namespace vistello::strings {

struct GalleryImageFile {
    int id;
    const char* fileName;
};

inline constexpr GalleryImageFile kGalleryImageFiles[] = {
    {207, "_b.jpg"},
    {208, "_n.gif"},
    {209, "_s.gif"},
    {210, "_p.gif"},
};

// The bytes of resource id; empty for an unknown id.
QByteArray galleryImageBytes(int id);

} // namespace vistello::strings
