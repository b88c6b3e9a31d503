// vistello-cli segments FILE...: the header run of each file, one segment a
// line (offset, marker, length field), then the header end.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "jpegmeta/segments/HeaderWalk.h"

#include <cstdio>
#include <string>

namespace vistello::cli {

int runSegments(const QStringList& arguments)
{
    const CliArguments parsed = parseArguments("segments", arguments, {});
    if (parsed.exitNow)
        return *parsed.exitNow;
    const QStringList& args = parsed.plain;
    if (args.isEmpty())
        return usageError("segments", QStringLiteral("no file given"));
    int status = Success;
    for (const QString& path : args) {
        FileByteSource source(path);
        if (!source.isOpen()) {
            err(QStringLiteral("vistello-cli segments: cannot open \"%1\"\n").arg(path));
            status = Failure;
            continue;
        }
        std::string text;
        if (args.size() > 1)
            text += path.toStdString() + ":\n";
        char line[64];
        const HeaderWalkResult walk = walkHeaderRun(source, [&](const JpegSegment& s) {
            std::snprintf(line, sizeof line, "%lld\tFF%02X\t%u\n", static_cast<long long>(s.offset), s.marker,
                          unsigned(s.length));
            text += line;
            return true;
        });
        if (walk.headerEnd)
            std::snprintf(line, sizeof line, "end\t%lld\n", static_cast<long long>(*walk.headerEnd));
        else
            std::snprintf(line, sizeof line, "end\tnone\n");
        text += line;
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    return status;
}

} // namespace vistello::cli
