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
    {"formats", "[--plugin-dir DIR | --no-plugins]", "print the picture formats: extension, intern/extern, read/write, description", runFormats},
    {"decode", "[--box WxH] [--thumb] [--scale N/D] [--no-orientation] [--no-profile] [--raw] [--plugin-dir DIR | --no-plugins] FILE -o OUT",
     "decode a picture as a view gets it and write it as PPM or PNG; prints WxH", runDecode},
    {"info", "[--summary | --section iptc|app12] [--plugin-dir DIR | --no-plugins] FILE...", "print the picture data of JPEG files as the picture-data list copies it, their information text, or one section's rows", runInfo},
    {"makernote", "[--raw] FILE...",
     "print the decoded maker-note entries of JPEG files (kind, tag, name, text; --raw adds the stored numbers)", runMakernote},
    {"extract", "thumbnail|sound|profile FILE [-o OUT] [--proposed]",
     "save a picture's embedded thumbnail, sound or colour profile to OUT or under the proposed name beside it; "
     "prints \"N bytes\" (and the written path with --proposed)", runExtract},
    {"hex", "[--digits 2|3|8] [--decimal-address] [--no-chars] [--offset N] [--lines N] FILE",
     "print a file's bytes as the binary view shows them, 16 per line, from byte N (default 0) on", runHex},
    {"histogram", "FILE", "print a picture's average grey value, then its red, green, blue and luminance counters (256 a line)",
     runHistogram},
    {"thumbs", "[--box WxH] [--sound-marks] [--no-shared-cache] FOLDER -o OUTDIR", "write the overview page's thumbnail tiles of a folder as PNG files, timed, with the desktop's shared thumbnails", runThumbs},
    {"transform", "OP [--copy] [--gray] [--crop X,Y,W,H] [--no-exif-update] [-x SETTINGS] FILE...",
     "lossless JPEG transform (none, flip-h, flip-v, transpose, transverse, rotate-90/180/270, auto); prints each written path", runTransform},
    {"copy", "FILE...",
     "copy pictures beside themselves as \"Copy of\" files, with their sound memos; prints each new path", runCopy},
    {"rename", "[--pattern P] [--start N] [--date] [--name NAME] [--dry-run] FILE...",
     "rename pictures with their .original backups and sound memos; prints OLD -> NEW per file", runRename},
    {"jpeg-write", "[-q L[,C]] [--keep-sampling] IN OUT",
     "decode a picture strictly and write it as JPEG (an existing OUT keeps its header segments); prints WxH L,C", runJpegWrite},
    {"convert", "--to EXT [-x SETTINGS] [--on-error cancel|continue] FILE...",
     "convert pictures into another format beside them (existing targets are skipped); prints each written path", runConvert},
    {"resize",
     "[--box WxH | --percent P] [--quality L[,C]] [--max-kb N] [--copy] [--upright] [--trace] [-x SETTINGS] "
     "[--on-error cancel|continue] FILE...",
     "resize pictures in place (or into \"Copy of\" files) to a box, a percentage, a quality or a file size; "
     "prints PATH<TAB>WxH<TAB>BYTES<TAB>L,C per written file", runResize},
    {"redeye", "--rect L,T,R,B [--rect ...] [--intensity N] [--test] [--copy|--no-copy] [-x SETTINGS] FILE",
     "test areas of a picture for red eyes and correct them; prints each area's red count/area, the changed pixels "
     "and the written path", runRedEye},
    {"gallery", "-o TARGET [-x SETTINGS] [-b DIR] [--title T] [--per-row N] [--rows N] [--index-template F] [--picture-template F] "
     "[--on-error cancel|continue] FILE...",
     "make an HTML gallery of the JPEG pictures in TARGET; prints each written file relative to TARGET", runGallery},
    {"index", "-o TARGET [-x SETTINGS] [--pattern P] [--columns N] [--rows N] [--cell WxH] [--border X,Y] [--film] [--background R,G,B] FILE...",
     "render the pictures onto index pictures (contact sheets) in TARGET; prints PATH, WxH and the cells used per sheet", runIndex},
    {"comment", "[-b DIR] [--list TEXT] [--file TEXT] [--add] FILE... | --get FILE... | --find REGEX",
     "write picture comments into the comment list and/or the files, print them (--get), or find pictures by list comment", runComment},
    {"regex", "[-i] PATTERN TEXT...", "print the number of matches of a search expression in each text", runRegex},
    {"search", "[-b DIR] [-i] [--name RE] [--file-comment RE] [--list-comment RE] [--from YYYY-MM-DD --to YYYY-MM-DD] FOLDER...",
     "search pictures in folders and their sub-folders by name, comments or date of taking; prints the sorted results", runSearch},
    {"check", "[-b DIR] FILE...|FOLDER", "decode pictures strictly and list the broken ones as the error list does", runCheck},
    {"folder-stats", "[--tree-info | --drive-line] FOLDER",
     "the Properties text of a folder and its subfolders (CR LF), its \"(n) (size)\" tree text, or its drive line",
     runFolderStats},
    {"wallpaper", "[--screen WxH] [--dry-run] (--reset | FILE)",
     "make a picture the desktop wallpaper, fitted into the screen WxH (needed with FILE), or --reset it; "
     "prints the bitmap written (--dry-run: the bitmap and the desktop commands, nothing done)", runWallpaper},
    {"crop", "(--short WxH+X+Y [--caret N] | --kind K --rect X,Y,W,H) [--lock Z:N] [--dry-run] [--copy|--no-copy] [--thumbs] [-x SETTINGS] FILE",
     "crop a JPEG picture losslessly to a typed rectangle as the crop page normalises it; prints the short form, then the written path", runCrop},
    {"split-panorama", "--printer WxH [--landscape] [--overlap N] [--dry-run] FILE -o FOLDER",
     "cut a panorama losslessly into printer-page segments; prints \"n, x, width\" per segment, then the written paths", runSplitPanorama},
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

namespace {

const CliCommand* commandNamed(const char* name)
{
    for (const CliCommand& c : kCommands)
        if (qstrcmp(c.name, name) == 0)
            return &c;
    return nullptr;
}

QString usageLine(const CliCommand& c)
{
    return QStringLiteral("usage: vistello-cli %1 %2\n").arg(QLatin1String(c.name), QLatin1String(c.usage));
}

} // namespace

int usageError(const char* command, const QString& message)
{
    QString text = QStringLiteral("vistello-cli %1: %2\n").arg(QLatin1String(command), message);
    if (const CliCommand* c = commandNamed(command))
        text += usageLine(*c);
    err(text);
    return UsageError;
}

void printCommandHelp(const char* command)
{
    if (const CliCommand* c = commandNamed(command))
        out(usageLine(*c) + QLatin1String(c->summary)
            + QStringLiteral("\n\nExit status: 0 success, 1 when any file failed, 2 usage error.\n"));
}

} // namespace vistello::cli
