// vistello-cli exif [--summary] FILE...: the EXIF tree of each file (one
// entry a line, indented two spaces per level: kind, tag, type, count, value
// word), or with --summary the summary fields and the picture date. A file
// without EXIF fails in both forms.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "jpegmeta/exif/ExifData.h"
#include "jpegmeta/exif/ExifSummary.h"
#include "jpegmeta/exif/PictureDate.h"
#include "jpegmeta/segments/HeaderCollector.h"

#include <cstdio>
#include <string>

namespace vistello::cli {

namespace {

void printEntries(const std::vector<ExifEntry>& entries, int level, std::string& text)
{
    char line[96];
    for (const ExifEntry& e : entries) {
        text.append(size_t(2 * level), ' ');
        std::snprintf(line, sizeof line, "%d\t0x%04X\t%u\t%u\t0x%08X\n", int(e.kind), unsigned(e.tag), unsigned(e.type),
                      unsigned(e.count), unsigned(e.value));
        text += line;
        printEntries(e.children, level + 1, text);
    }
}

QString summaryText(const ExifSummary& s, const QDateTime& pictureDate)
{
    const auto number = [](double v) { return QString::asprintf("%g", v); };
    QString text;
    text += QStringLiteral("model: %1\n").arg(s.model);
    text += QStringLiteral("orientation: %1\n").arg(s.orientation);
    text += QStringLiteral("exposureTime: %1\n").arg(number(s.exposureTime));
    text += QStringLiteral("fNumber: %1\n").arg(number(s.fNumber));
    text += QStringLiteral("apertureFromApex: %1\n").arg(number(s.apertureFromApex));
    text += QStringLiteral("shutterFromApex: %1\n").arg(s.shutterFromApex);
    text += QStringLiteral("dateTaken: %1\n").arg(s.dateTaken.isValid() ? s.dateTaken.toString(Qt::ISODate) : QString());
    text += QStringLiteral("dateTakenText: %1\n").arg(s.dateTakenText);
    text += QStringLiteral("dateTakenLocalised: %1\n").arg(s.dateTakenLocalised);
    text += QStringLiteral("dateTakenShort: %1\n").arg(s.dateTakenShort);
    text += QStringLiteral("userComment: %1\n").arg(s.userComment);
    text += QStringLiteral("pictureDate: %1\n")
                .arg(pictureDate.isValid() ? pictureDate.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString());
    return text;
}

} // namespace

int runExif(const QStringList& arguments)
{
    const CliArguments parsed = parseArguments("exif", arguments, {{"--summary"}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    const QStringList& files = parsed.plain;
    const bool summary = parsed.has("--summary");
    if (files.isEmpty())
        return usageError("exif", QStringLiteral("no file given"));
    int status = Success;
    for (const QString& path : files) {
        FileByteSource source(path);
        if (!source.isOpen()) {
            err(QStringLiteral("vistello-cli exif: cannot open \"%1\"\n").arg(path));
            status = Failure;
            continue;
        }
        const HeaderData header = collectHeaderData(source, CollectFromFile{});
        if (files.size() > 1)
            out(path + QStringLiteral(":\n"));
        if (!header.hasExif()) {
            err(QStringLiteral("vistello-cli exif: no EXIF block in \"%1\"\n").arg(path));
            status = Failure;
            continue;
        }
        if (summary) {
            out(summaryText(readExifSummary(exifBlockOf(header)), readPictureDate(path)));
            continue;
        }
        ExifData tree;
        tree.parse(header.exifBytes, header.exifBase);
        std::string text;
        for (const Ifd& ifd : tree.ifds())
            printEntries(ifd.entries, 0, text);
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    return status;
}

} // namespace vistello::cli
