#pragma once
// One LittleCMS transform with the profiles it was built from, applied in
// place row by row. Built once, then used from any thread (a transform keeps
// no state between calls).
#include <QByteArray>
#include <QString>
#include <memory>

namespace vistello {

class ColourTransform {
public:
    // What the decoded rows hold before the transform.
    enum class Input {
        Rgb,         // R, G, B bytes
        Cmyk,        // C, M, Y, K bytes, 255 = full ink
        InvertedCmyk // C, M, Y, K bytes, 0 = full ink (Adobe files)
    };

    ~ColourTransform();
    ColourTransform(const ColourTransform&) = delete;
    ColourTransform& operator=(const ColourTransform&) = delete;

    // Embedded profile → the library's sRGB, perceptual intent, RGB 8-bit
    // output. Nothing when the profile cannot be opened, its colour space does
    // not match the input, or the transform cannot be built.
    static std::unique_ptr<ColourTransform> fromEmbeddedProfile(const QByteArray& icc, Input input);
    // sRGB → the display profile in the file at path, 8-bit RGB both sides,
    // perceptual intent. Nothing when the file is missing or unusable.
    static std::unique_ptr<ColourTransform> toDisplayProfile(const QString& path);

    Input input() const { return input_; }
    // RGB input: row holds pixelCount × 3 bytes and is rewritten in place.
    void transformRow(unsigned char* row, int pixelCount) const;
    // Any input into a separate RGB row (CMYK rows are 4 bytes a pixel).
    void transformRow(const unsigned char* in, unsigned char* out, int pixelCount) const;

private:
    ColourTransform(void* transform, Input input) : transform_(transform), input_(input) {}

    void* transform_; // cmsHTRANSFORM
    Input input_;
};

} // namespace vistello
