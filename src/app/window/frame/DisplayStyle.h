#pragma once
// The pages of the main window's central area. A display style is one bit
// of a 64-bit mask; a group of styles shares a page and a tab row.
#include <QString>
#include <cstdint>
#include <span>

namespace vistello {

namespace style {
inline constexpr uint64_t Picture = 0x1;
inline constexpr uint64_t Overview = 0x2;
inline constexpr uint64_t PictureData = 0x8;
inline constexpr uint64_t Binary = 0x10;
inline constexpr uint64_t Histogram = 0x20;
inline constexpr uint64_t Settings = 0x80;
inline constexpr uint64_t Advanced = 0x100;
inline constexpr uint64_t Colours = 0x200;
inline constexpr uint64_t ColourProfile = 0x2000;
inline constexpr uint64_t PictureFormats = 0x8000;
inline constexpr uint64_t Information = 0x10000;
inline constexpr uint64_t HtmlPage = 0x20000;
inline constexpr uint64_t HtmlPictureSettings = 0x40000;
inline constexpr uint64_t HtmlTemplates = 0x80000;
inline constexpr uint64_t PictureIndex = uint64_t(1) << 20;
inline constexpr uint64_t Search = uint64_t(1) << 21;
inline constexpr uint64_t Rename = uint64_t(1) << 22;
inline constexpr uint64_t RedEye = uint64_t(1) << 25;
inline constexpr uint64_t ActionList = uint64_t(1) << 26;

// The styles the picture keys and "Change view" work in.
inline constexpr uint64_t PictureStyles = 0x3B;
// The tabs of the picture page, which share one page object.
inline constexpr uint64_t PicturePageStyles = 0x39;
inline constexpr uint64_t OptionsGroup = 0xA380;
inline constexpr uint64_t HtmlGroup = 0xE0000;
inline constexpr uint64_t Known = PictureStyles | OptionsGroup | Information | HtmlGroup | PictureIndex | Search
    | Rename | RedEye | ActionList;

// Exactly one bit, and a bit that has a page.
bool isKnown(uint64_t mask);
} // namespace style

// One page object per value; the styles of a group share it.
enum class PageId { Picture, Overview, Options, Information, Html, PictureIndex, Search, Rename, RedEye, ActionList };

// The page of a known style.
PageId pageOf(uint64_t style);
QString pageTitle(PageId page);

enum class TabRowId { None, Picture, Options, Html };

struct TabEntry {
    uint64_t style;
    const char16_t* text;
    const char16_t* toolTip;
};

// The tab row a style is shown with (the picture row belongs to the picture
// page; the others stand above their page in the main window).
TabRowId tabRowOf(uint64_t style);
std::span<const TabEntry> tabsOf(TabRowId row);
// The tab text of a style in its row, else the page title.
QString styleTitle(uint64_t style);

} // namespace vistello
