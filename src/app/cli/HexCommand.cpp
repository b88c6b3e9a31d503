// vistello-cli hex [--digits 2|3|8] [--decimal-address] [--no-chars]
// [--offset N] [--lines N] FILE: the binary view's lines of a file, 16 bytes
// each, from byte N on. The file is read in windows, so a file of any size
// starts printing at once. The character column uses the dotted set, which
// keeps control bytes off the terminal.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "jpegmeta/binaryview/BinaryFile.h"
#include "jpegmeta/binaryview/BinaryLayout.h"
#include "jpegmeta/binaryview/BinaryText.h"

#include <algorithm>
#include <limits>

namespace vistello::cli {

namespace {

constexpr const char* kName = "hex";
constexpr int kBytesPerLine = 16;
constexpr int kLinesPerWindow = 4096;

std::optional<uint64_t> parseCount(const QString& text)
{
    bool ok = false;
    const qulonglong n = text.toULongLong(&ok, 10);
    return ok ? std::optional<uint64_t>(n) : std::nullopt;
}

} // namespace

int runHex(const QStringList& args)
{
    const CliArguments parsed = parseArguments(kName, args,
                                               {{"--digits", true}, {"--decimal-address"}, {"--no-chars"},
                                                {"--offset", true}, {"--lines", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    BinaryLineFormat format;
    format.bytesPerLine = kBytesPerLine;
    format.decimalAddress = parsed.has("--decimal-address");
    format.characters = !parsed.has("--no-chars");
    format.dots = true;
    if (parsed.has("--digits")) {
        format.digits = parsed.value("--digits").toInt();
        if (format.digits != 2 && format.digits != 3 && format.digits != 8)
            return usageError(kName, QStringLiteral("--digits takes 2, 3 or 8"));
    }
    std::optional<uint64_t> offset = uint64_t(0);
    if (parsed.has("--offset") && !(offset = parseCount(parsed.value("--offset"))))
        return usageError(kName, QStringLiteral("--offset takes a byte offset"));
    std::optional<uint64_t> lines = std::numeric_limits<uint64_t>::max();
    if (parsed.has("--lines") && !(lines = parseCount(parsed.value("--lines"))))
        return usageError(kName, QStringLiteral("--lines takes a number of lines"));
    if (parsed.plain.size() != 1)
        return usageError(kName, parsed.plain.isEmpty() ? QStringLiteral("no file given")
                                                        : QStringLiteral("unexpected argument \"%1\"").arg(parsed.plain[1]));

    BinaryFile file;
    if (!file.open(parsed.plain.front())) {
        err(QStringLiteral("vistello-cli hex: cannot open \"%1\"\n").arg(parsed.plain.front()));
        return Failure;
    }
    format.addressCells = addressCells(file.size(), format.decimalAddress);
    uint64_t at = *offset;
    uint64_t left = *lines;
    while (left > 0 && at < file.size()) {
        const int windowLines = int(std::min<uint64_t>(left, kLinesPerWindow));
        const QByteArray window = file.read(at, int64_t(windowLines) * kBytesPerLine);
        if (window.isEmpty()) {
            err(QStringLiteral("vistello-cli hex: cannot read \"%1\"\n").arg(parsed.plain.front()));
            return Failure;
        }
        QString text;
        for (qsizetype i = 0; i < window.size() && left > 0; i += kBytesPerLine, --left) {
            text += binaryLineText(at + uint64_t(i), QByteArrayView(window).sliced(i, std::min<qsizetype>(kBytesPerLine, window.size() - i)), format);
            text += u'\n';
        }
        out(text);
        at += uint64_t(window.size());
    }
    return Success;
}

} // namespace vistello::cli
