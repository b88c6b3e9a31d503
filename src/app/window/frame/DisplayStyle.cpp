#include "app/window/frame/DisplayStyle.h"

#include <bit>

namespace vistello {

namespace {

constexpr TabEntry kPictureTabs[] = {
    {style::Picture, u"Picture", u"Display the picture"},
    {style::PictureData, u"Picture data", u"Display additional picture data"},
    {style::Binary, u"Binary", u"Binary display"},
    {style::Histogram, u"Histogram", u"Displays the histogram for this picture"},
};

constexpr TabEntry kOptionsTabs[] = {
    {style::Settings, u"Settings", u"Settings"},
    {style::Advanced, u"Advanced", u"Advanced settings"},
    {style::Colours, u"Colors", u"Color settings"},
    {style::ColourProfile, u"Color profile", u"Color profile"},
    {style::PictureFormats, u"Picture formats", u"Available picture formats"},
};

constexpr TabEntry kHtmlTabs[] = {
    {style::HtmlPage, u"HTML picture page", u"HTML picture page"},
    {style::HtmlPictureSettings, u"Picture settings", u"Picture settings"},
    {style::HtmlTemplates, u"Page templates", u"Page templates"},
};

} // namespace

bool style::isKnown(uint64_t mask)
{
    return std::has_single_bit(mask) && (mask & Known) != 0;
}

PageId pageOf(uint64_t mask)
{
    if (mask & style::PicturePageStyles)
        return PageId::Picture;
    if (mask & style::OptionsGroup)
        return PageId::Options;
    if (mask & style::HtmlGroup)
        return PageId::Html;
    switch (mask) {
    case style::Overview: return PageId::Overview;
    case style::Information: return PageId::Information;
    case style::PictureIndex: return PageId::PictureIndex;
    case style::Search: return PageId::Search;
    case style::Rename: return PageId::Rename;
    case style::RedEye: return PageId::RedEye;
    case style::ActionList: return PageId::ActionList;
    default: return PageId::Picture;
    }
}

QString pageTitle(PageId page)
{
    switch (page) {
    case PageId::Picture: return QStringLiteral("Picture");
    case PageId::Overview: return QStringLiteral("Overview");
    case PageId::Options: return QStringLiteral("Settings");
    case PageId::Information: return QStringLiteral("Information");
    case PageId::Html: return QStringLiteral("Create a HTML page");
    case PageId::PictureIndex: return QStringLiteral("Create picture index");
    case PageId::Search: return QStringLiteral("Search pictures");
    case PageId::Rename: return QStringLiteral("Rename pictures");
    case PageId::RedEye: return QStringLiteral("Remove red eyes");
    case PageId::ActionList: return QStringLiteral("Action list");
    }
    return {};
}

TabRowId tabRowOf(uint64_t mask)
{
    if (mask & style::PicturePageStyles)
        return TabRowId::Picture;
    if (mask & style::OptionsGroup)
        return TabRowId::Options;
    if (mask & style::HtmlGroup)
        return TabRowId::Html;
    return TabRowId::None;
}

std::span<const TabEntry> tabsOf(TabRowId row)
{
    switch (row) {
    case TabRowId::Picture: return kPictureTabs;
    case TabRowId::Options: return kOptionsTabs;
    case TabRowId::Html: return kHtmlTabs;
    case TabRowId::None: break;
    }
    return {};
}

QString styleTitle(uint64_t mask)
{
    for (const TabEntry& tab : tabsOf(tabRowOf(mask)))
        if (tab.style == mask)
            return QString::fromUtf16(tab.text);
    return pageTitle(pageOf(mask));
}

} // namespace vistello
