#include "app/cli/CliCommands.h"

#include <cstdio>

namespace vistello::cli {

namespace {
constexpr CliCommand kCommands[] = {
    {"scan", "[-i] FOLDER", "list the pictures a folder scan finds, in scan order", runScan},
    {"make-samples", "DIR", "write a folder of generated camera-like sample pictures", runMakeSamples},
    {"list", "[-i] [-e EXT] [--export FILE] PATH...", "print (or export) the picture list the viewer shows for these arguments", runList},
    {"segments", "FILE...", "list the header segments of JPEG files (offset, marker, length) and the header end", runSegments},
    {"exif", "[--summary] FILE...", "print the EXIF directory tree of JPEG files, or their EXIF summary", runExif},
};
} // namespace

std::span<const CliCommand> commands() { return kCommands; }

void out(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void err(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

int usageError(const char* command, const QString& message)
{
    err(QStringLiteral("vistello-cli %1: %2\n").arg(QLatin1String(command), message));
    return UsageError;
}

} // namespace vistello::cli
