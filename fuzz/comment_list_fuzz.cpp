// Feeds arbitrary bytes through the comment list reader, and checks that
// what it read is written and read back to the same comments and folders.
#include "core/textfile/TextFileReader.h"
#include "organize/comments/CommentListFile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistello;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const CommentListContents read = parseCommentList(TextFileReader::decode(bytes));
    if (parseCommentList(commentListText(read)) != read)
        std::abort();
    return 0;
}
