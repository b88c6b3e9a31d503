// The sample format plug-in: binary PPM pictures ("P6", 8 bits a sample)
// under the extension ".vpm". It reads whole files (no scaled decoding) and
// keeps a settings string; every other slot gives its default.
//
// Builds that check the loader override the VPL_SAMPLE_* settings below.
#include "vistello_plugin.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#ifndef VPL_SAMPLE_TYPE
#define VPL_SAMPLE_TYPE VPL_PLUGIN_TYPE
#endif
#ifndef VPL_SAMPLE_VERSION
#define VPL_SAMPLE_VERSION VPL_PLUGIN_VERSION
#endif
#ifndef VPL_SAMPLE_EXTENSIONS
#define VPL_SAMPLE_EXTENSIONS u".vpm"
#endif
#ifndef VPL_SAMPLE_DESCRIPTION
#define VPL_SAMPLE_DESCRIPTION text16(u"Portable pixmap (sample plug-in)")
#endif
#ifndef VPL_SAMPLE_LENGTH_SHORTFALL
#define VPL_SAMPLE_LENGTH_SHORTFALL 0
#endif
#ifndef VPL_SAMPLE_ON_FACTORY
#define VPL_SAMPLE_ON_FACTORY()
#endif

#define VPL_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr long kMaxFileBytes = 256L << 20;

const vpl_char16* text16(const char16_t* text)
{
    return reinterpret_cast<const vpl_char16*>(text);
}

const vpl_char16 kEmpty[1] = {0};

// The whole file, or null; the caller frees it.
unsigned char* readFile(const vpl_char16* path, long* size)
{
    char name[4096];
    size_t n = 0;
    for (; path[n] && n + 4 < sizeof name; ++n) {
        // UTF-16 to UTF-8; surrogate pairs are left out of this sample.
        const unsigned c = path[n];
        if (c < 0x80) {
            name[n] = char(c);
        } else {
            return nullptr;
        }
    }
    name[n] = 0;
    FILE* file = std::fopen(name, "rb");
    if (!file)
        return nullptr;
    unsigned char* data = nullptr;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        *size = std::ftell(file);
        if (*size > 0 && *size <= kMaxFileBytes && std::fseek(file, 0, SEEK_SET) == 0) {
            data = static_cast<unsigned char*>(std::malloc(size_t(*size)));
            if (data && std::fread(data, 1, size_t(*size), file) != size_t(*size)) {
                std::free(data);
                data = nullptr;
            }
        }
    }
    std::fclose(file);
    return data;
}

// Reads a header number after blanks and comments; -1 when there is none.
long headerNumber(const unsigned char* data, long size, long* at)
{
    while (*at < size) {
        if (data[*at] == '#') {
            while (*at < size && data[*at] != '\n')
                ++*at;
        } else if (data[*at] == ' ' || data[*at] == '\t' || data[*at] == '\r' || data[*at] == '\n') {
            ++*at;
        } else {
            break;
        }
    }
    long value = -1;
    while (*at < size && data[*at] >= '0' && data[*at] <= '9' && value < 1000000)
        value = (value < 0 ? 0 : value * 10) + (data[(*at)++] - '0');
    return value;
}

void destroy(VplHandler* self, int32_t freeMemory);
const vpl_char16* extensions(VplHandler*) { return text16(VPL_SAMPLE_EXTENSIONS); }
const vpl_char16* formatName(VplHandler*) { return text16(u"VPM"); }
const vpl_char16* description(VplHandler*) { return VPL_SAMPLE_DESCRIPTION; }
uint32_t capabilities(VplHandler*) { return VPL_READABLE; }
// The handler with the sample's own member after the program's part.
struct SampleHandler {
    VplHandler base;
    vpl_char16 settings[VPL_SHORT_TEXT];
};

SampleHandler* sample(VplHandler* self)
{
    return reinterpret_cast<SampleHandler*>(self);
}

void setProperties(VplHandler* self, const vpl_char16* settings)
{
    size_t n = 0;
    for (; settings && settings[n] && n + 1 < VPL_SHORT_TEXT; ++n)
        sample(self)->settings[n] = settings[n];
    sample(self)->settings[n] = 0;
}
const vpl_char16* getProperties(VplHandler* self) { return sample(self)->settings; }
#ifdef VPL_SAMPLE_DIALOG_SETTINGS
// Test builds: a dialog the user leaves at once with these settings chosen.
int32_t showSettingsDialog(VplHandler* self, void*)
{
    setProperties(self, reinterpret_cast<const vpl_char16*>(VPL_SAMPLE_DIALOG_SETTINGS));
    return 1;
}
#else
int32_t showSettingsDialog(VplHandler*, void*) { return 0; }
#endif
int32_t isPanorama(VplHandler* self)
{
    const int32_t w = self->imageWidth, h = self->imageHeight;
    if (!self->panoramaMode || w <= 0 || h <= 0)
        return 0;
    return (w > h ? w / h : h / w) > 1;
}
const vpl_char16* infoText(VplHandler*, const vpl_char16*, int32_t, int32_t) { return kEmpty; }
void nothing(VplHandler*, const vpl_char16*) {}
const vpl_char16* textQuery(VplHandler*, int32_t) { return kEmpty; }
int32_t noExtra(VplHandler*, const vpl_char16*, const uint8_t** data, uint64_t* length)
{
    *data = nullptr;
    *length = 0;
    return 0;
}
void writeComment(VplHandler*, const vpl_char16*, const vpl_char16*) {}

void destroy(VplHandler* self, int32_t freeMemory)
{
    if (freeMemory)
        delete sample(self);
}

const uint8_t* decodeFile(VplHandler* self, const vpl_char16* path, int32_t, int32_t, int32_t, int32_t, int32_t,
                          uint64_t* length)
{
    *length = 0;
    self->valid = 0;
    long size = 0;
    unsigned char* data = readFile(path, &size);
    if (!data)
        return nullptr;
    long at = 2;
    const bool magic = size > 2 && data[0] == 'P' && data[1] == '6';
    const long width = magic ? headerNumber(data, size, &at) : -1;
    const long height = width > 0 ? headerNumber(data, size, &at) : -1;
    const long maxValue = height > 0 ? headerNumber(data, size, &at) : -1;
    const long long bytes = (long long)width * height * 3;
    uint8_t* pixels = nullptr;
    if (maxValue == 255 && width <= 65535 && height <= 65535 && at < size && size - at - 1 >= bytes) {
        pixels = static_cast<uint8_t*>(std::malloc(size_t(bytes)));
        if (pixels) {
            std::memcpy(pixels, data + at + 1, size_t(bytes));
            self->imageWidth = self->outputWidth = int32_t(width);
            self->imageHeight = self->outputHeight = int32_t(height);
            self->valid = 1;
            *length = uint64_t(bytes) - VPL_SAMPLE_LENGTH_SHORTFALL;
        }
    }
    std::free(data);
    return pixels;
}

void readHeader(VplHandler* self, const vpl_char16* path)
{
    uint64_t length = 0;
    std::free(const_cast<uint8_t*>(decodeFile(self, path, 0, 0, 1, 1, 0, &length)));
}

const uint8_t* embeddedThumbnail(VplHandler*, const vpl_char16*, uint64_t* length, int32_t* width, int32_t* height,
                                 int32_t)
{
    *length = 0;
    *width = *height = 0;
    return nullptr;
}
const uint8_t* decodeMemory(VplHandler*, const uint8_t*, uint64_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                            uint64_t* length)
{
    *length = 0;
    return nullptr;
}
int32_t writePicture(VplHandler*, const vpl_char16*, const uint8_t*, uint64_t, int32_t, int32_t, int32_t, int32_t)
{
    return 0;
}
int32_t noTransform(VplHandler*, const vpl_char16*, int32_t) { return 0; }
int32_t qualityQuery(VplHandler*, const vpl_char16*, int32_t) { return -1; }
int32_t fileQuality(VplHandler*, const vpl_char16*) { return -1; }
int32_t transformToFile(VplHandler*, const vpl_char16*, const vpl_char16*, int32_t, int32_t, int32_t, int32_t)
{
    return 0;
}
int32_t crop(VplHandler*, const vpl_char16*, int32_t, int32_t, int32_t, int32_t, int32_t) { return 0; }
void releaseBuffer(VplHandler*, const void* buffer) { std::free(const_cast<void*>(buffer)); }

const VplHandlerTable kTable = {
    sizeof(VplHandlerTable), VPL_ABI_REVISION, destroy, extensions, formatName, description, capabilities,
    setProperties, getProperties, showSettingsDialog, isPanorama, infoText, nothing, textQuery, nothing, readHeader,
    noExtra, noExtra, writeComment, decodeFile, embeddedThumbnail, decodeMemory, writePicture,
    {noTransform, noTransform, noTransform, noTransform, noTransform, noTransform, noTransform, noTransform},
    qualityQuery, fileQuality, transformToFile, crop, releaseBuffer,
};

VplHandler* create()
{
    VPL_SAMPLE_ON_FACTORY();
    SampleHandler* handler = new (std::nothrow) SampleHandler{};
    if (!handler)
        return nullptr;
    handler->base.table = &kTable;
    handler->base.mcuWidth = handler->base.mcuHeight = 1;
    handler->base.orientation = 1;
    return &handler->base;
}

} // namespace

VPL_EXPORT int32_t GetPluginType() { return VPL_SAMPLE_TYPE; }
VPL_EXPORT int32_t GetPluginCnt() { return 1; }
VPL_EXPORT const vpl_char16* GetPluginVersion() { return text16(VPL_SAMPLE_VERSION); }
VPL_EXPORT vpl_factory GetPluginProc(int32_t index) { return index == 0 ? create : nullptr; }
#ifndef VPL_SAMPLE_NO_TEMPLATES
VPL_EXPORT void PluginSetInfoTemplates(const vpl_char16* const*, int32_t) {}
#endif
