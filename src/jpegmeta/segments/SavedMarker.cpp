#include "jpegmeta/segments/SavedMarker.h"

#include <cstdio>
#include <jpeglib.h>

namespace vistello {

std::vector<SavedMarkerView> savedMarkers(const jpeg_decompress_struct& source)
{
    std::vector<SavedMarkerView> list;
    for (jpeg_saved_marker_ptr m = source.marker_list; m; m = m->next)
        list.push_back(SavedMarkerView{m->marker, m->original_length, m->data, m->data_length});
    return list;
}

} // namespace vistello
