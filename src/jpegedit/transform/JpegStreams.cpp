#include "jpegedit/transform/JpegStreams.h"

#include <jerror.h>

namespace vistello {

namespace {

const JOCTET kEoi[2] = {0xFF, JPEG_EOI};

void initSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

boolean fillSource(j_decompress_ptr cinfo)
{
    WARNMS(cinfo, JWRN_JPEG_EOF);
    cinfo->src->next_input_byte = kEoi;
    cinfo->src->bytes_in_buffer = sizeof kEoi;
    return TRUE;
}

void skipSource(j_decompress_ptr cinfo, long count)
{
    if (count <= 0)
        return;
    jpeg_source_mgr* src = cinfo->src;
    if (size_t(count) > src->bytes_in_buffer) {
        fillSource(cinfo);
        return;
    }
    src->next_input_byte += count;
    src->bytes_in_buffer -= size_t(count);
}

struct FixedDestination {
    jpeg_destination_mgr manager; // first member: the library sees this
    size_t capacity;
    size_t written;
};

void initFixed(j_compress_ptr) {}

boolean fullFixed(j_compress_ptr cinfo)
{
    ERREXIT(cinfo, JERR_BUFFER_SIZE);
    return FALSE;
}

void termFixed(j_compress_ptr cinfo)
{
    auto* d = reinterpret_cast<FixedDestination*>(cinfo->dest);
    d->written = d->capacity - d->manager.free_in_buffer;
}

constexpr size_t kDeviceBuffer = 65536;

struct DeviceDestination {
    jpeg_destination_mgr manager;
    QIODevice* device;
    JOCTET* buffer;
};

void initDevice(j_compress_ptr cinfo)
{
    auto* d = reinterpret_cast<DeviceDestination*>(cinfo->dest);
    d->manager.next_output_byte = d->buffer;
    d->manager.free_in_buffer = kDeviceBuffer;
}

bool writeAll(DeviceDestination* d, size_t n)
{
    return d->device->write(reinterpret_cast<const char*>(d->buffer), qint64(n)) == qint64(n);
}

boolean emptyDevice(j_compress_ptr cinfo)
{
    auto* d = reinterpret_cast<DeviceDestination*>(cinfo->dest);
    if (!writeAll(d, kDeviceBuffer))
        ERREXIT(cinfo, JERR_FILE_WRITE);
    d->manager.next_output_byte = d->buffer;
    d->manager.free_in_buffer = kDeviceBuffer;
    return TRUE;
}

void termDevice(j_compress_ptr cinfo)
{
    auto* d = reinterpret_cast<DeviceDestination*>(cinfo->dest);
    if (!writeAll(d, kDeviceBuffer - d->manager.free_in_buffer))
        ERREXIT(cinfo, JERR_FILE_WRITE);
}

} // namespace

void attachMemorySource(jpeg_decompress_struct& cinfo, const uint8_t* data, size_t size)
{
    if (!cinfo.src)
        cinfo.src = static_cast<jpeg_source_mgr*>(
            (*cinfo.mem->alloc_small)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_PERMANENT, sizeof(jpeg_source_mgr)));
    jpeg_source_mgr* src = cinfo.src;
    src->init_source = initSource;
    src->fill_input_buffer = fillSource;
    src->skip_input_data = skipSource;
    src->resync_to_restart = jpeg_resync_to_restart;
    src->term_source = termSource;
    src->next_input_byte = data;
    src->bytes_in_buffer = size;
}

void attachFixedMemoryDestination(jpeg_compress_struct& cinfo, uint8_t* buffer, size_t capacity)
{
    auto* d = static_cast<FixedDestination*>(
        (*cinfo.mem->alloc_small)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_PERMANENT, sizeof(FixedDestination)));
    d->manager.init_destination = initFixed;
    d->manager.empty_output_buffer = fullFixed;
    d->manager.term_destination = termFixed;
    d->manager.next_output_byte = buffer;
    d->manager.free_in_buffer = capacity;
    d->capacity = capacity;
    d->written = 0;
    cinfo.dest = &d->manager;
}

size_t writtenBytes(const jpeg_compress_struct& cinfo)
{
    return reinterpret_cast<const FixedDestination*>(cinfo.dest)->written;
}

void attachDeviceDestination(jpeg_compress_struct& cinfo, QIODevice& device)
{
    j_common_ptr common = reinterpret_cast<j_common_ptr>(&cinfo);
    auto* d = static_cast<DeviceDestination*>((*cinfo.mem->alloc_small)(common, JPOOL_PERMANENT, sizeof(DeviceDestination)));
    d->manager.init_destination = initDevice;
    d->manager.empty_output_buffer = emptyDevice;
    d->manager.term_destination = termDevice;
    d->device = &device;
    d->buffer = static_cast<JOCTET*>((*cinfo.mem->alloc_small)(common, JPOOL_PERMANENT, kDeviceBuffer));
    cinfo.dest = &d->manager;
}

} // namespace vistello
