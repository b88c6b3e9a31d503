#include "jpegmeta/segments/JpegErrorTrap.h"

namespace vistello {

namespace {

void onError(j_common_ptr cinfo)
{
    // The manager is the trap's first member.
    auto* trap = reinterpret_cast<JpegErrorTrap*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, trap->message);
    std::longjmp(trap->jump, 1);
}

void onMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    auto* trap = reinterpret_cast<JpegErrorTrap*>(cinfo->err);
    if (trap->warnings++ == 0)
        (*cinfo->err->format_message)(cinfo, trap->firstWarning);
}

} // namespace

jpeg_error_mgr* JpegErrorTrap::install()
{
    jpeg_std_error(&manager);
    manager.error_exit = onError;
    manager.emit_message = onMessage;
    return &manager;
}

} // namespace vistello
