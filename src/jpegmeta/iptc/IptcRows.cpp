#include "jpegmeta/iptc/IptcRecord.h"

#include <initializer_list>
#include <utility>

namespace vistello {

namespace {

using Field = std::pair<int, const char*>;

void appendGroup(MetaTextRows& rows, const IptcRecord& r, const char* heading, std::initializer_list<Field> fields)
{
    bool any = false;
    for (const Field& f : fields)
        any = any || r.has(f.first);
    if (!any)
        return;
    rows.push_back({QString::fromLatin1(heading), QString()});
    for (const Field& f : fields)
        if (r.has(f.first))
            rows.push_back({QString::fromLatin1(f.second), r.text(f.first)});
}

void appendList(MetaTextRows& rows, const char* heading, const QStringList& items)
{
    if (items.isEmpty())
        return;
    rows.push_back({QString::fromLatin1(heading), QString()});
    for (const QString& item : items)
        rows.push_back({QString(), item});
}

} // namespace

MetaTextRows iptcRows(const IptcRecord& r)
{
    MetaTextRows rows;
    appendGroup(rows, r, "Copyright:", {{116, "  Copyright notice"}});
    appendGroup(rows, r, "Credits:", {{80, "  Byline"}, {85, "  Byline title"}, {110, "  Credits"}, {115, "  Source"}});
    appendGroup(rows, r, "Caption:",
                {{120, "  Caption"}, {122, "  Caption writer"}, {105, "  Headline"}, {40, "  Special instructions"}});
    appendGroup(rows, r, "Origin:",
                {{5, "  Object name"},
                 {55, "  Date created"},
                 {90, "  City"},
                 {95, "  State"},
                 {101, "  Country"},
                 {103, "  Orig. transmission ref."},
                 {10, "  Urgency"}});
    appendGroup(rows, r, "Categories:", {{15, "  Category"}});
    appendList(rows, "Supplemental categories:", r.supplementalCategories);
    appendList(rows, "Keywords:", r.keywords);
    return rows;
}

} // namespace vistello
