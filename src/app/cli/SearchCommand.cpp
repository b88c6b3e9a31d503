// vistello-cli search [-b DIR] [-i] [--name RE] [--file-comment RE]
//     [--list-comment RE] [--from YYYY-MM-DD --to YYYY-MM-DD] FOLDER...
// The picture search of the search page over the folders and their
// sub-folders: criteria joined by "or", expressions without regard to case
// (-i says so explicitly; it is always so), --list-comment through the
// comment list of the personal folder (-b). Prints the results sorted as
// the viewer sorts them, then "N pictures scanned" on stderr.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/PersonalFolderOption.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/ListFileComments.h"
#include "imaging/decode/BuiltInFormats.h"
#include "organize/comments/CommentStore.h"
#include "organize/search/PictureSearch.h"

#include <QDir>
#include <optional>

namespace vistello::cli {

namespace {

constexpr const char* kName = "search";

// Checks and takes one text criterion; an error text when it is unusable.
std::optional<QString> takeExpression(const CliArguments& parsed, const char* option, bool& use, QString& text)
{
    if (!parsed.has(option))
        return std::nullopt;
    use = true;
    text = parsed.value(option);
    if (checkSearchText(text))
        return QStringLiteral("%1: invalid search text \"%2\"").arg(QLatin1String(option), text);
    return std::nullopt;
}

std::optional<QString> settingsFrom(const CliArguments& parsed, SearchSettings& s)
{
    for (const auto& [option, use, text] :
         {std::tuple<const char*, bool&, QString&>{"--name", s.useName, s.name},
          {"--file-comment", s.useFileComment, s.fileComment},
          {"--list-comment", s.useListComment, s.listComment}})
        if (std::optional<QString> error = takeExpression(parsed, option, use, text))
            return error;
    if (parsed.has("--from") != parsed.has("--to"))
        return QStringLiteral("--from and --to go together");
    if (parsed.has("--from")) {
        const QDate from = QDate::fromString(parsed.value("--from"), Qt::ISODate);
        const QDate to = QDate::fromString(parsed.value("--to"), Qt::ISODate);
        if (!from.isValid() || !to.isValid())
            return QStringLiteral("dates are written YYYY-MM-DD");
        s.useDate = true;
        s.firstDay = fileTimeOfDay(from);
        s.lastDay = fileTimeOfDay(to);
    }
    if (!s.useName && !s.useFileComment && !s.useListComment && !s.useDate)
        return QStringLiteral("no search criterion given");
    if (parsed.plain.isEmpty())
        return QStringLiteral("no folder given");
    QStringList folders;
    for (const QString& folder : parsed.plain) {
        if (folder.contains(QLatin1Char(';')))
            return QStringLiteral("a folder name holds \";\": \"%1\"").arg(folder);
        folders.append(QDir(folder).absolutePath());
    }
    s.folders = folders.join(QLatin1Char(';'));
    return std::nullopt;
}

} // namespace

int runSearch(const QStringList& args)
{
    const CliArguments parsed = parseArguments(kName, args,
                                               {{"-b", true}, {"-i"}, {"--name", true}, {"--file-comment", true},
                                                {"--list-comment", true}, {"--from", true}, {"--to", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    SearchSettings settings;
    if (const std::optional<QString> error = settingsFrom(parsed, settings))
        return usageError(kName, *error);

    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    CommentStore comments(ListFileComments::instance());
    if (settings.useListComment)
        comments.load(personalFolderFrom(parsed) + QString::fromUtf16(kCommentListName));
    const std::atomic<bool> never{false};
    const SearchOutcome outcome = runPictureSearch(settings, {}, &comments, never);
    QString text;
    for (const QString& path : outcome.results)
        text += path + QLatin1Char('\n');
    out(text);
    err(QStringLiteral("%1 pictures scanned\n").arg(outcome.tested));
    return Success;
}

} // namespace vistello::cli
