// vistello-cli makernote [--raw] FILE...: the decoded maker-note entries of
// each file, one line each: kind, tag, name, display text, and with --raw
// the entry's elements as unsigned numbers (rationals as N/D). A file
// without a note, or with a note of a maker that is not decoded, gets a
// remark on stderr and still succeeds.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "jpegmeta/exif/ExifData.h"
#include "jpegmeta/exif/ExifTags.h"
#include "jpegmeta/segments/HeaderCollector.h"
#include "jpegmeta/tags/EntryText.h"
#include "jpegmeta/tags/EntryValues.h"
#include "jpegmeta/tags/TagDictionary.h"

#include <QStringList>

namespace vistello::cli {

namespace {

bool isMakerKind(IfdKind kind) { return kind >= IfdKind::CanonNote && kind <= IfdKind::FujiNote; }

QString rawText(const TiffBlock& block, const ExifEntry& e)
{
    const tags::EntryValues values(block, e);
    const bool rational = e.type == exiftype::Rational || e.type == exiftype::SRational;
    QStringList numbers;
    for (uint32_t i = 0; i < values.elementCount(); ++i)
        numbers << (rational ? QString::asprintf("%u/%u", uint32_t(values.numeratorAt(i)), uint32_t(values.denominatorAt(i)))
                             : QString::number(values.unsignedAt(i)));
    return numbers.join(QLatin1Char(' '));
}

void appendLines(const ExifData& tree, const std::vector<ExifEntry>& entries, bool raw, QString& text)
{
    for (const ExifEntry& e : entries) {
        if (isMakerKind(e.kind)) {
            text += QString::asprintf("%d\t0x%04X\t", int(e.kind), unsigned(e.tag));
            text += tagName(e.tag, e.kind).trimmed() + QLatin1Char('\t') + entryText(tree, e);
            if (raw)
                text += QLatin1Char('\t') + rawText(tree.block(), e);
            text += QLatin1Char('\n');
        }
        appendLines(tree, e.children, raw, text);
    }
}

} // namespace

int runMakernote(const QStringList& arguments)
{
    const CliArguments parsed = parseArguments("makernote", arguments, {{"--raw"}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    const QStringList& files = parsed.plain;
    if (files.isEmpty())
        return usageError("makernote", QStringLiteral("no file given"));
    int status = Success;
    for (const QString& path : files) {
        FileByteSource source(path);
        if (!source.isOpen()) {
            err(QStringLiteral("vistello-cli makernote: cannot open \"%1\"\n").arg(path));
            status = Failure;
            continue;
        }
        if (files.size() > 1)
            out(path + QStringLiteral(":\n"));
        const HeaderData header = collectHeaderData(source, CollectFromFile{});
        ExifData tree;
        tree.parse(header.exifBytes, header.exifBase);
        QString text;
        for (const Ifd& ifd : tree.ifds())
            appendLines(tree, ifd.entries, parsed.has("--raw"), text);
        if (!text.isEmpty())
            out(text);
        else if (tree.findTag(exiftag::MakerNote))
            err(QStringLiteral("vistello-cli makernote: the maker note of \"%1\" is not decoded\n").arg(path));
        else
            err(QStringLiteral("vistello-cli makernote: no maker note in \"%1\"\n").arg(path));
    }
    return status;
}

} // namespace vistello::cli
