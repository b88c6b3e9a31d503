#include "imaging/decode/DecodeMessage.h"

#include <cstring>
#include <jpeglib.h>

namespace vistello {

namespace {
thread_local char lastMessage[JMSG_LENGTH_MAX] = {};
}

QString lastDecodeMessage()
{
    return QString::fromLocal8Bit(lastMessage);
}

void setLastDecodeMessage(const char* text)
{
    std::strncpy(lastMessage, text ? text : "", sizeof lastMessage - 1);
    lastMessage[sizeof lastMessage - 1] = '\0';
}

} // namespace vistello
