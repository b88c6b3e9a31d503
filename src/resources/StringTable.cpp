#include "resources/StringTable.h"

#include "resources/ActionListStrings.h"
#include "resources/AppStrings.h"
#include "resources/CoreStrings.h"
#include "resources/CropPageStrings.h"
#include "resources/DecodeStrings.h"
#include "resources/EditPageStrings.h"
#include "resources/EditStrings.h"
#include "resources/FolderStrings.h"
#include "resources/InfoStrings.h"
#include "resources/JobListStrings.h"
#include "resources/MediaStrings.h"
#include "resources/MetaStrings.h"
#include "resources/OrganizeStrings.h"
#include "resources/OrganizePageStrings.h"
#include "resources/PanoramaPageStrings.h"
#include "resources/PublishPageStrings.h"
#include "resources/PublishStrings.h"
#include "resources/SearchPageStrings.h"
#include "resources/RedEyePageStrings.h"
#include "resources/TaskPaneStrings.h"
#include "resources/OptionsStrings.h"
#include "resources/ViewerButtonStrings.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <span>

namespace vistello::strings {
namespace {

constexpr bool isSortedById(std::span<const StringRow> rows)
{
    for (size_t i = 1; i < rows.size(); ++i)
        if (rows[i - 1].id >= rows[i].id)
            return false;
    return true;
}

// Each area keeps its own table; every table is sorted by number.
constexpr std::span<const StringRow> kTables[] = {
    kAppStrings,
    kCoreStrings,
    kMetaStrings,
    kInfoStrings,
    kDecodeStrings,
    kEditStrings,
    kOrganizeStrings,
    kPublishStrings,
    kFolderStrings,
    kViewerButtonStrings,
    kJobListStrings,
    kTaskPaneStrings,
    kEditPageStrings,
    kOrganizePageStrings,
    kPublishPageStrings,
    kSearchPageStrings,
    kOptionsStrings,
    kRedEyePageStrings,
    kActionListStrings,
    kCropPageStrings,
    kPanoramaPageStrings,
    kMediaStrings,
};

static_assert(isSortedById(kOptionsStrings), "OptionsStrings must be sorted by number");
static_assert(isSortedById(kPanoramaPageStrings), "PanoramaPageStrings must be sorted by number");
static_assert(isSortedById(kAppStrings), "AppStrings must be sorted by number");
static_assert(isSortedById(kCoreStrings), "CoreStrings must be sorted by number");
static_assert(isSortedById(kMetaStrings), "MetaStrings must be sorted by number");
static_assert(isSortedById(kEditStrings), "EditStrings must be sorted by number");
static_assert(isSortedById(kDecodeStrings), "DecodeStrings must be sorted by number");
static_assert(isSortedById(kInfoStrings), "InfoStrings must be sorted by number");
static_assert(isSortedById(kPublishStrings), "PublishStrings must be sorted by number");
static_assert(isSortedById(kOrganizeStrings), "OrganizeStrings must be sorted by number");
static_assert(isSortedById(kFolderStrings), "FolderStrings must be sorted by number");
static_assert(isSortedById(kViewerButtonStrings), "ViewerButtonStrings must be sorted by number");
static_assert(isSortedById(kJobListStrings), "JobListStrings must be sorted by number");
static_assert(isSortedById(kTaskPaneStrings), "TaskPaneStrings must be sorted by number");
static_assert(isSortedById(kEditPageStrings), "EditPageStrings must be sorted by number");
static_assert(isSortedById(kOrganizePageStrings), "OrganizePageStrings must be sorted by number");
static_assert(isSortedById(kPublishPageStrings), "PublishPageStrings must be sorted by number");
static_assert(isSortedById(kCropPageStrings), "CropPageStrings must be sorted by number");
static_assert(isSortedById(kSearchPageStrings), "SearchPageStrings must be sorted by number");
static_assert(isSortedById(kRedEyePageStrings), "RedEyePageStrings must be sorted by number");
static_assert(isSortedById(kMediaStrings), "MediaStrings must be sorted by number");
static_assert(isSortedById(kActionListStrings), "ActionListStrings must be sorted by number");

} // namespace

QString text(int id)
{
    for (std::span<const StringRow> rows : kTables) {
        auto it = std::lower_bound(rows.begin(), rows.end(), id,
                                   [](const StringRow& row, int key) { return row.id < key; });
        if (it != rows.end() && it->id == id)
            return QString::fromUtf16(it->text);
    }
    return {};
}

QString formatInserts(const QString& pattern, const QStringList& args)
{
    static const QRegularExpression insert(QStringLiteral("%(\\d+)(![^!]*!)?"));
    QString out;
    qsizetype last = 0;
    auto it = insert.globalMatch(pattern);
    while (it.hasNext()) {
        const auto m = it.next();
        out += QStringView(pattern).mid(last, m.capturedStart() - last);
        const int n = m.captured(1).toInt();
        if (n >= 1 && n <= args.size())
            out += args.at(n - 1);
        last = m.capturedEnd();
    }
    out += QStringView(pattern).mid(last);
    return out;
}

} // namespace vistello::strings
