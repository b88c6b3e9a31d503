/* Vistello LE format plug-in interface.
 *
 * A plug-in is a shared library named "vpl_*.so" in the program's plug-in
 * folder. It exports exactly five C functions:
 *
 *   int32_t               GetPluginType(void);        must return VPL_PLUGIN_TYPE
 *   int32_t               GetPluginCnt(void);         number of formats
 *   const vpl_char16*     GetPluginVersion(void);     must equal VPL_PLUGIN_VERSION
 *   vpl_factory           GetPluginProc(int32_t i);   factory of format i
 *   void                  PluginSetInfoTemplates(const vpl_char16* const* texts, int32_t count);
 *
 * A factory returns a new handler object (or NULL). The object begins with
 * struct VplHandler; the plug-in may add its own members after it. Every
 * operation is a slot of the table the object points to; a plug-in that does
 * not support an operation fills the slot with a function returning the
 * default named beside it (never NULL).
 *
 * Texts are UTF-16 (host byte order) and end with a zero unit. Texts a slot
 * returns stay valid until the next call on the same object; the program
 * reads at most VPL_MAX_TEXT units of them and ignores a text without its
 * zero within that bound. Buffers a slot returns come with their byte length
 * in an out argument, are owned by the plug-in and are handed back through
 * the table's releaseBuffer slot once the program has copied them.
 *
 * Pixel buffers are top-down rows of red, green, blue, three bytes a pixel,
 * without fill bytes: length at least outputWidth * outputHeight * 3.
 *
 * Several handler objects may exist at once, on different threads; one
 * object is used by one thread at a time.
 */
#ifndef VISTELLO_PLUGIN_H
#define VISTELLO_PLUGIN_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#define VPL_STATIC_ASSERT(condition, text) static_assert(condition, text)
#else
#define VPL_STATIC_ASSERT(condition, text) _Static_assert(condition, text)
#endif

#define VPL_PLUGIN_TYPE 1
#define VPL_PLUGIN_VERSION u"2.2"
/* The layout of the two structs below; raised on every change to them. */
#define VPL_ABI_REVISION 1u
#define VPL_MAX_TEXT 1024
#define VPL_SHORT_TEXT 128

typedef uint16_t vpl_char16;
typedef struct VplHandler VplHandler;
typedef VplHandler* (*vpl_factory)(void);

/* Capability word (slot 4). */
#define VPL_READABLE 0x0001u
#define VPL_WRITABLE 0x0002u

typedef struct VplHandlerTable {
    uint32_t tableSize;   /* sizeof(VplHandlerTable) as the plug-in was built */
    uint32_t abiRevision; /* VPL_ABI_REVISION */
    /* 0 */ void (*destroy)(VplHandler* self, int32_t freeMemory);
    /* 1 */ const vpl_char16* (*extensions)(VplHandler* self); /* ".abc;.abd" */
    /* 2 */ const vpl_char16* (*formatName)(VplHandler* self);
    /* 3 */ const vpl_char16* (*description)(VplHandler* self);
    /* 4 */ uint32_t (*capabilities)(VplHandler* self);
    /* 5 */ void (*setProperties)(VplHandler* self, const vpl_char16* settings);
    /* 6 */ const vpl_char16* (*getProperties)(VplHandler* self);      /* default: empty */
    /* 7 */ int32_t (*showSettingsDialog)(VplHandler* self, void* parent); /* default: 0 */
    /* 8 */ int32_t (*isPanorama)(VplHandler* self);                    /* default: aspect test */
    /* 9 */ const vpl_char16* (*infoText)(VplHandler* self, const vpl_char16* path, int32_t a, int32_t b);
    /* 10 */ void (*readOrientation)(VplHandler* self, const vpl_char16* path);
    /* 11 */ const vpl_char16* (*textQuery)(VplHandler* self, int32_t what); /* default: empty */
    /* 12 */ void (*readSummary)(VplHandler* self, const vpl_char16* path);
    /* 13 */ void (*readHeader)(VplHandler* self, const vpl_char16* path);
    /* 14 */ int32_t (*extractSound)(VplHandler* self, const vpl_char16* path, const uint8_t** data, uint64_t* length);
    /* 15 */ int32_t (*extractProfile)(VplHandler* self, const vpl_char16* path, const uint8_t** data,
                                       uint64_t* length);
    /* 16 */ void (*writeComment)(VplHandler* self, const vpl_char16* path, const vpl_char16* text);
    /* 17 */ const uint8_t* (*decodeFile)(VplHandler* self, const vpl_char16* path, int32_t boxWidth,
                                          int32_t boxHeight, int32_t scaleNum, int32_t scaleDenom,
                                          int32_t allowEnlarge, uint64_t* length);
    /* 18: raw pixels when width and height come back non-zero, else JPEG data */
    /* 18 */ const uint8_t* (*embeddedThumbnail)(VplHandler* self, const vpl_char16* path, uint64_t* length,
                                                 int32_t* width, int32_t* height, int32_t checkSound);
    /* 19 */ const uint8_t* (*decodeMemory)(VplHandler* self, const uint8_t* data, uint64_t dataLength,
                                            int32_t boxWidth, int32_t boxHeight, int32_t scaleNum,
                                            int32_t scaleDenom, int32_t allowEnlarge, uint64_t* length);
    /* 20 */ int32_t (*writePicture)(VplHandler* self, const vpl_char16* path, const uint8_t* rgb,
                                     uint64_t rgbLength, int32_t width, int32_t height, int32_t quality,
                                     int32_t chromaQuality);
    /* 21..28: lossless transformations in the order rotate-auto, rotate-right,
       rotate-left, mirror, flip, transpose, transverse, grey; default 0 */
    int32_t (*transform[8])(VplHandler* self, const vpl_char16* path, int32_t flags);
    /* 29 */ int32_t (*qualityQuery)(VplHandler* self, const vpl_char16* path, int32_t which); /* default -1 */
    /* 30 */ int32_t (*fileQuality)(VplHandler* self, const vpl_char16* path);                  /* default -1 */
    /* 31 */ int32_t (*transformToFile)(VplHandler* self, const vpl_char16* source, const vpl_char16* target,
                                        int32_t operation, int32_t flags, int32_t a, int32_t b);
    /* 32 */ int32_t (*crop)(VplHandler* self, const vpl_char16* path, int32_t adjustThumbnails, int32_t x,
                             int32_t y, int32_t width, int32_t height);
    /* Hands back a buffer a slot returned. */
    void (*releaseBuffer)(VplHandler* self, const void* buffer);
} VplHandlerTable;

struct VplHandler {
    const VplHandlerTable* table;
    int32_t outputWidth;  /* of the returned pixel buffer */
    int32_t outputHeight;
    int32_t imageWidth;   /* of the picture in the file */
    int32_t imageHeight;
    int32_t mcuWidth;     /* initially 1 */
    int32_t mcuHeight;    /* initially 1 */
    int32_t orientation;  /* EXIF 1..8, initially 1 */
    vpl_char16 message[VPL_MAX_TEXT]; /* last error of the format */
    uint8_t valid;            /* the last header or picture read succeeded */
    uint8_t panoramaMode;     /* set by the program before decoding */
    uint8_t fastDecode;       /* set by the program before decoding thumbnails */
    uint8_t soundFlag;        /* the picture carries sound */
    uint8_t infoFlags[4];     /* picture information flags */
    uint8_t useColourProfiles; /* set by the program before decoding */
    uint8_t reserved[3];
    int32_t infoValues[2];
    float aperture;
    int32_t shutterDenominator;
    vpl_char16 shortTexts[3][VPL_SHORT_TEXT];
    vpl_char16 texts[3][VPL_MAX_TEXT];
};

VPL_STATIC_ASSERT(offsetof(VplHandlerTable, destroy) == 8, "table header");
VPL_STATIC_ASSERT(offsetof(VplHandlerTable, releaseBuffer) == 8 + 33 * sizeof(void*), "table slots");
VPL_STATIC_ASSERT(offsetof(struct VplHandler, outputWidth) == sizeof(void*), "handler fields");
VPL_STATIC_ASSERT(offsetof(struct VplHandler, message) == sizeof(void*) + 28, "handler message");
VPL_STATIC_ASSERT(offsetof(struct VplHandler, valid) == sizeof(void*) + 28 + 2 * VPL_MAX_TEXT, "handler flags");
VPL_STATIC_ASSERT(offsetof(struct VplHandler, infoValues) % 4 == 0, "handler values");
VPL_STATIC_ASSERT(offsetof(struct VplHandler, texts) == offsetof(struct VplHandler, shortTexts) + 6 * VPL_SHORT_TEXT,
                  "handler texts");
VPL_STATIC_ASSERT(sizeof(struct VplHandler) % sizeof(void*) == 0, "handler size");

#ifdef __cplusplus
}
#endif

#endif
