#include "app/cli/CliCommands.h"

#include <cstdio>

namespace vistello::cli {

namespace {
constexpr CliCommand kCommands[] = {
    {"scan", "[-i] FOLDER", "list the pictures a folder scan finds, in scan order", runScan},
    {"make-samples", "DIR", "write a folder of generated camera-like sample pictures", runMakeSamples},
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
