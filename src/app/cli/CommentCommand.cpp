// vistello-cli comment [-b DIR] [--list TEXT] [--file TEXT] [--add] FILE...
//              comment [-b DIR] --get FILE...
//              comment [-b DIR] --find REGEX
// Picture comments as the comment dialog writes them: --list into the
// comment list of the personal folder (saved at the end), --file into the
// picture file, --add appending instead of replacing. --get prints each
// picture's "list: ..." and "file: ..." lines (after the path when several
// are given); --find prints the pictures whose list comment matches.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/PersonalFolderOption.h"
#include "imaging/decode/BuiltInFormats.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/ListFileComments.h"
#include "organize/comments/CommentApply.h"
#include "organize/comments/CommentStore.h"
#include "organize/comments/FileComment.h"
#include "organize/regex/SearchPattern.h"

#include <QFileInfo>

namespace vistello::cli {

namespace {

constexpr const char* kName = "comment";

int printComments(CommentStore& store, const QStringList& files)
{
    int status = Success;
    for (const QString& file : files) {
        const QString path = QFileInfo(file).absoluteFilePath();
        if (!QFileInfo(path).isFile()) {
            err(QStringLiteral("vistello-cli comment: cannot open \"%1\"\n").arg(file));
            status = Failure;
            continue;
        }
        if (files.size() > 1)
            out(path + QLatin1Char('\n'));
        out(QStringLiteral("list: %1\nfile: %2\n").arg(store.get(path), readFileComment(path)));
    }
    return status;
}

int findComments(const CommentStore& store, const QString& expression)
{
    const SearchPattern pattern = SearchPattern::compile(expression);
    if (!pattern.isValid()) {
        err(QStringLiteral("vistello-cli comment: %1\n").arg(pattern.errorMessage()));
        return Failure;
    }
    QStringList found;
    store.findByComment(pattern, found);
    for (const QString& path : found)
        out(path + QLatin1Char('\n'));
    return Success;
}

} // namespace

int runComment(const QStringList& args)
{
    const CliArguments parsed = parseArguments(kName, args,
                                               {{"-b", true}, {"--list", true}, {"--file", true}, {"--add"},
                                                {"--get"}, {"--find", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    const bool get = parsed.has("--get");
    const bool find = parsed.has("--find");
    const bool write = parsed.has("--list") || parsed.has("--file");
    if (int(get) + int(find) + int(write) != 1)
        return usageError(kName, QStringLiteral("give one of --list/--file, --get or --find"));
    if (find != parsed.plain.isEmpty())
        return usageError(kName, find ? QStringLiteral("--find takes no file") : QStringLiteral("no file given"));

    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    CommentStore store(ListFileComments::instance());
    store.load(personalFolderFrom(parsed) + QString::fromUtf16(kCommentListName));
    if (get)
        return printComments(store, parsed.plain);
    if (find)
        return findComments(store, parsed.value("--find"));

    CommentChange change;
    change.toList = parsed.has("--list");
    change.toFile = parsed.has("--file");
    change.add = parsed.has("--add");
    change.listText = parsed.value("--list");
    change.fileText = parsed.value("--file");
    int status = Success;
    QStringList pictures;
    for (const QString& file : parsed.plain) {
        const QString path = QFileInfo(file).absoluteFilePath();
        if (QFileInfo(path).isFile()) {
            pictures.append(path);
            continue;
        }
        err(QStringLiteral("vistello-cli comment: cannot open \"%1\"\n").arg(file));
        status = Failure;
    }
    for (const QString& path : applyCommentChange(pictures, change, store).failed) {
        err(QStringLiteral("vistello-cli comment: cannot write the comment into \"%1\"\n").arg(path));
        status = Failure;
    }
    if (parsed.has("--list") && !store.save()) {
        err(QStringLiteral("vistello-cli comment: %1\n").arg(store.saveFailedMessage()));
        status = Failure;
    }
    return status;
}

} // namespace vistello::cli
