#pragma once
// vistello-cli's subcommands. Each lives in its own file and is listed once
// in the table of CliCommands.cpp. Output: results on stdout, errors on
// stderr; exit status 0 success, 1 when any file failed, 2 usage error.
// Arguments are parsed by parseArguments (CliArguments.h).
#include <QString>
#include <QStringList>
#include <span>

namespace vistello::cli {

enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

struct CliCommand {
    const char* name;
    const char* usage;   // arguments after the name
    const char* summary; // one line for --help
    int (*run)(const QStringList& args);
};

std::span<const CliCommand> commands();

// UTF-8 output helpers; out() writes exactly the text given.
void out(const QString& text);
void err(const QString& text);
// Prints "vistello-cli NAME: message" and the command's usage line on
// stderr and returns UsageError.
int usageError(const char* command, const QString& message);
// "CMD --help": the command's usage line and summary on stdout.
void printCommandHelp(const char* command);

int runScan(const QStringList& args);
int runMakeSamples(const QStringList& args);
int runList(const QStringList& args);
int runSegments(const QStringList& args);
int runExif(const QStringList& args);
int runFormats(const QStringList& args);
int runDecode(const QStringList& args);
int runInfo(const QStringList& args);
int runMakernote(const QStringList& args);
int runExtract(const QStringList& args);
int runHex(const QStringList& args);
int runHistogram(const QStringList& args);
int runThumbs(const QStringList& args);
int runTransform(const QStringList& args);
int runCopy(const QStringList& args);
int runRename(const QStringList& args);
int runJpegWrite(const QStringList& args);
int runConvert(const QStringList& args);
int runResize(const QStringList& args);
int runRedEye(const QStringList& args);
int runGallery(const QStringList& args);
int runIndex(const QStringList& args);
int runComment(const QStringList& args);
int runRegex(const QStringList& args);
int runSearch(const QStringList& args);
int runCheck(const QStringList& args);
int runFolderStats(const QStringList& args);
int runWallpaper(const QStringList& args);
int runCrop(const QStringList& args);
int runSplitPanorama(const QStringList& args);

} // namespace vistello::cli
