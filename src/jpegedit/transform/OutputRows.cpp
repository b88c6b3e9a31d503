#include "jpegedit/transform/OutputRows.h"

#include <jerror.h>

namespace vistello {

jvirt_barray_ptr* OutputRows::attach(jpeg_compress_struct& output, const SourceRows& source,
                                     const TransformGeometry& geometry)
{
    j_common_ptr common = reinterpret_cast<j_common_ptr>(&output);
    source_ = &source;
    geometry_ = &geometry;
    for (int ci = 0; ci < geometry.components; ++ci) {
        const ComponentGeometry& cg = geometry.component[size_t(ci)];
        Strip& strip = strips_[ci];
        // The compressor asks for one iMCU row of the component at a time.
        strip.capacity = JDIMENSION(output.comp_info[ci].v_samp_factor);
        strip.rows = (*output.mem->alloc_barray)(common, JPOOL_IMAGE, JDIMENSION(cg.widthInBlocks), strip.capacity);
        // Only ever compared, never followed: the library does not know these arrays.
        handles_[ci] = reinterpret_cast<jvirt_barray_ptr>(&strip);
    }
    libraryAccess_ = output.mem->access_virt_barray;
    output.mem->access_virt_barray = access;
    output.client_data = this;
    return handles_;
}

JBLOCKARRAY OutputRows::access(j_common_ptr cinfo, jvirt_barray_ptr array, JDIMENSION startRow, JDIMENSION rows,
                               boolean writable)
{
    auto* self = static_cast<OutputRows*>(cinfo->client_data);
    for (int ci = 0; ci < self->geometry_->components; ++ci) {
        if (array != self->handles_[ci])
            continue;
        const Strip& strip = self->strips_[ci];
        const JDIMENSION height = JDIMENSION(self->geometry_->component[size_t(ci)].heightInBlocks);
        if (writable || rows > strip.capacity || startRow > height || rows > height - startRow)
            ERREXIT(cinfo, JERR_BAD_VIRTUAL_ACCESS);
        transformRows(RowJob{self->source_, self->geometry_, ci, int(startRow), int(rows), strip.rows});
        return strip.rows;
    }
    return self->libraryAccess_(cinfo, array, startRow, rows, writable);
}

} // namespace vistello
