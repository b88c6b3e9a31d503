#pragma once
// An error manager for the JPEG library that turns its fatal errors into a
// jump back to the caller's recovery point and keeps warnings quiet (counted,
// the first one's text kept for callers that treat warnings as failure). Use it
// in a small function without C++ objects of its own between setjmp and the
// library calls:
//
//   JpegErrorTrap trap;
//   cinfo.err = trap.install();
//   if (setjmp(trap.jump)) { ...; return false; }
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace vistello {

struct JpegErrorTrap {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};
    int warnings = 0;
    char firstWarning[JMSG_LENGTH_MAX] = {};

    jpeg_error_mgr* install();
};

} // namespace vistello
