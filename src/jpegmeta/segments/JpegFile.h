#pragma once
// A JPEG file seen as its header run plus the rest: the segments of the run
// (optionally with their payloads) and the header end.
#include "jpegmeta/segments/ByteSource.h"
#include "jpegmeta/segments/JpegSegment.h"

#include <QString>
#include <optional>
#include <vector>

namespace vistello {

class JpegFile {
public:
    // No real picture has more; a hostile one is still walked to its header end.
    static constexpr size_t kMaxListedSegments = 65536;

    // False when the file cannot be opened as a regular file.
    bool read(const QString& path, bool withPayloads = false);
    bool read(ByteSource& source, bool withPayloads = false);

    const QString& path() const { return path_; }
    int64_t fileSize() const { return fileSize_; }
    const std::vector<JpegSegment>& segments() const { return segments_; }
    std::optional<int64_t> headerEnd() const { return headerEnd_; }
    bool lengthsValid() const { return lengthsValid_; }
    // False when the run had more segments than are listed.
    bool complete() const { return complete_; }

private:
    QString path_;
    int64_t fileSize_ = 0;
    std::vector<JpegSegment> segments_;
    std::optional<int64_t> headerEnd_;
    bool lengthsValid_ = true;
    bool complete_ = true;
};

} // namespace vistello
