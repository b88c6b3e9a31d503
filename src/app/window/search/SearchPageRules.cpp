#include "app/window/search/SearchPageRules.h"

#include "organize/regex/SearchPattern.h"
#include "organize/search/PictureSearch.h"
#include "resources/SearchPageStrings.h"

#include <QDateTime>
#include <QDir>

namespace vistello {

std::optional<SearchFieldProblem> checkSearchFields(const SearchSettings& s)
{
    const struct {
        bool used;
        const QString& text;
        SearchField field;
    } fields[] = {{s.useName, s.name, SearchField::Name},
                  {s.useFileComment, s.fileComment, SearchField::FileComment},
                  {s.useListComment, s.listComment, SearchField::ListComment}};
    for (const auto& f : fields) {
        if (!f.used)
            continue;
        if (const std::optional<SearchTextProblem> problem = checkSearchText(f.text)) {
            const QString dialect = f.text.isEmpty() ? QString() : SearchPattern::compile(f.text).errorMessage();
            return SearchFieldProblem{f.field, problem->title, problem->text, dialect};
        }
    }
    return std::nullopt;
}

QDate calendarDay(uint64_t fileTime, QDate today)
{
    if (fileTime == 0)
        return today;
    const uint64_t days = fileTime / kFileTimeDay;
    // A calendar goes no further than the year 9999; a day beyond it (a
    // damaged setting) shows today.
    const QDate day = QDate(1601, 1, 1).addDays(qint64(days));
    return day.isValid() && day <= QDate(9999, 12, 31) ? day : today;
}

QString searchFoldersLabel(const QString& picturesFolder)
{
    const QString first = QDir::cleanPath(picturesFolder.isEmpty() ? QDir::homePath() : picturesFolder);
    const QString example = first + QLatin1Char(';') + QDir::homePath() + QStringLiteral("/Vacation");
    return strings::text(strings::kSearchFoldersLabel).arg(example);
}

QString folderBeingTyped(const QString& list)
{
    return list.mid(list.lastIndexOf(QLatin1Char(';')) + 1).trimmed();
}

QString withFolderCompleted(const QString& list, const QString& folder)
{
    return list.left(list.lastIndexOf(QLatin1Char(';')) + 1) + folder;
}

SearchEnd searchEnd(const SearchSettings& settings, int resultCount)
{
    return {searchCompletionText(settings, resultCount), resultCount > 0};
}

} // namespace vistello
