// Force-included into the loader's test builds of the sample plug-in: each
// build leaves a marker file when its constructor or its factory runs, in the
// folder named by VISTELLO_TEST_MARKER_DIR.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

#include "vistello_plugin.h"

inline void vplTestMarker(const char* what)
{
    const char* folder = std::getenv("VISTELLO_TEST_MARKER_DIR");
    if (!folder)
        return;
    const std::string path = std::string(folder) + "/" + what + "-" VPL_TEST_NAME;
    if (FILE* file = std::fopen(path.c_str(), "w"))
        std::fclose(file);
}

__attribute__((constructor)) static void vplTestConstructed()
{
    vplTestMarker("constructor");
}

#define VPL_SAMPLE_ON_FACTORY() vplTestMarker("factory")

// A format that also claims the built-in ".jpg" (a list can't pass through the build's definitions).
#ifdef VPL_TEST_JPG_AND_RAW
#define VPL_SAMPLE_EXTENSIONS u".jpg;.raw"
#endif

// A description without its zero unit anywhere in the bound the program reads.
inline const vpl_char16* vplUnterminated()
{
    static vpl_char16 text[VPL_MAX_TEXT];
    for (vpl_char16& unit : text)
        unit = u'x';
    return text;
}
