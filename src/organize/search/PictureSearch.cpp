#include "organize/search/PictureSearch.h"

#include "core/filetypes/FolderScan.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PathCollation.h"
#include "jpegmeta/exif/PictureDate.h"
#include "jpegmeta/segments/CommentSegment.h"
#include "jpegmeta/segments/HeaderCollector.h"
#include "organize/comments/CommentStore.h"
#include "organize/comments/FileComment.h"
#include "organize/regex/SearchPattern.h"
#include "organize/search/SearchRoots.h"
#include "resources/OrganizeStrings.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace vistello {

namespace {

constexpr int kFoldersPerProgress = 5;

class Search {
public:
    Search(const SearchSettings& settings, const std::atomic<bool>& stop, const SearchProgress& progress)
        : settings_(settings), stop_(stop), progress_(progress),
          name_(SearchPattern::compile(settings.name)),
          fileComment_(SearchPattern::compile(settings.fileComment)),
          endInstant_(settings.lastDay + kFileTimeDay)
    {
    }

    bool testsFiles() const { return settings_.useName || settings_.useFileComment || settings_.useDate; }

    void scan(const SearchRoot& root)
    {
        scanFolder(root.folder, true, [this](const ScanEntry& entry) {
            if (stop_.load())
                return false;
            if (entry.isFolder) {
                if (folders_++ % kFoldersPerProgress == 0 && progress_)
                    progress_(strings::formatInserts(strings::text(strings::kPicturesScanned),
                                                     {QString::number(outcome.tested)}));
            } else if (types_.isPictureFile(entry.path)) {
                test(entry.path);
            }
            return true;
        }, root.oneFileSystem);
    }

    void test(const QString& path)
    {
        ++outcome.tested;
        if (matches(path) && !known_.contains(path)) {
            known_.insert(path);
            outcome.results.append(path);
        }
    }

    void keep(const QStringList& paths)
    {
        outcome.results = paths;
        known_ = QSet<QString>(paths.cbegin(), paths.cend());
    }

    SearchOutcome outcome;

private:
    bool matches(const QString& path)
    {
        const QStringView name = QStringView(path).mid(path.lastIndexOf(QLatin1Char('/')) + 1);
        if (settings_.useName && name_.matches(name))
            return true;
        if (!settings_.useFileComment && !settings_.useDate)
            return false;
        // Only formats with comments of their own have a header to read.
        if (!carriesComments(path))
            return settings_.useDate && settings_.firstDay == 0;
        const HeaderData header = collectHeaderData(path, {.wantComment = settings_.useFileComment});
        if (settings_.useFileComment && fileComment_.matches(readCommentSegment(header.comment, kMaxCommentCharacters)))
            return true;
        if (!settings_.useDate)
            return false;
        std::optional<QDateTime> taken;
        if (header.hasExif())
            taken = readExifPictureDate(exifBlockOf(header));
        const uint64_t date = taken ? fileTimeOf(*taken) : 0;
        return settings_.firstDay <= date && date <= endInstant_;
    }

    bool carriesComments(const QString& path)
    {
        const QString extension = path.mid(path.lastIndexOf(QLatin1Char('.'))).toLower();
        const auto known = carriesByExtension_.constFind(extension);
        if (known != carriesByExtension_.cend())
            return *known;
        return *carriesByExtension_.insert(extension, formatCarriesComments(path));
    }

    const SearchSettings& settings_;
    const std::atomic<bool>& stop_;
    const SearchProgress& progress_;
    const PictureFileTypes& types_ = PictureFileTypes::instance();
    SearchPattern name_;
    SearchPattern fileComment_;
    uint64_t endInstant_;
    QSet<QString> known_;
    QHash<QString, bool> carriesByExtension_;
    int folders_ = 0;
};

} // namespace

SearchOutcome runPictureSearch(const SearchSettings& settings, const QStringList& currentResults,
                               const CommentStore* comments, const std::atomic<bool>& stop,
                               const SearchProgress& progress)
{
    Search search(settings, stop, progress);
    if (settings.mode == SearchMode::Add)
        search.keep(currentResults);
    if (search.testsFiles()) {
        if (settings.mode == SearchMode::WithinResults) {
            for (const QString& path : currentResults) {
                if (stop.load())
                    break;
                // A result deleted meanwhile, or replaced by a FIFO, which would block the reading.
                if (QFileInfo(path).isFile())
                    search.test(path);
            }
        } else {
            for (const SearchRoot& root : searchRoots(settings.folders))
                search.scan(root);
        }
    } else if (settings.mode == SearchMode::WithinResults) {
        search.keep(currentResults);
    }
    SearchOutcome outcome = std::move(search.outcome);
    if (stop.load())
        return outcome;
    if (settings.useListComment && comments)
        comments->findByComment(SearchPattern::compile(settings.listComment), outcome.results, &stop);
    if (stop.load())
        return outcome;
    sortPaths(outcome.results);
    if (progress)
        progress(strings::text(strings::kSearchFinished));
    outcome.finished = true;
    return outcome;
}

std::optional<SearchTextProblem> checkSearchText(const QString& text)
{
    if (text.isEmpty())
        return SearchTextProblem{strings::text(strings::kSearchEmptyTitle), strings::text(strings::kSearchEmptyText)};
    if (!SearchPattern::compile(text).isValid())
        return SearchTextProblem{strings::text(strings::kSearchInvalidTitle),
                                 strings::text(strings::kSearchInvalidText)};
    return std::nullopt;
}

QString searchCompletionText(const SearchSettings& settings, int resultCount)
{
    if (resultCount == 0)
        return strings::text(strings::kSearchNothingFound);
    const bool filesTested = settings.useName || settings.useFileComment || settings.useDate;
    if (!filesTested)
        return strings::text(strings::kSearchFoundAskListOnly);
    return strings::formatInserts(strings::text(strings::kSearchFoundAsk), {QString::number(resultCount)});
}

} // namespace vistello
