#include "ui/taskpane/TaskIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace vistello {

namespace {

struct IconLook {
    QColor tile;
    const char16_t* symbol; // drawn when no shape is drawn for the index
};

// Tints by kind: blue for lists and pictures, green for making things,
// orange for changing files, grey for the program itself.
IconLook lookOf(int index)
{
    switch (index) {
    case 0: return {QColor(0x3a, 0x6e, 0xa5), u"\u25B6"};  // action list
    case 1: return {QColor(0x2e, 0x8b, 0x57), u"<>"};      // HTML page
    case 3: return {QColor(0xd2, 0x69, 0x1e), u"ab"};      // rename
    case 4: return {QColor(0x70, 0x70, 0x70), u"\u2699"};  // settings
    case 5: return {QColor(0x2e, 0x8b, 0x57), u"\u25A6"};  // picture index
    case 6: return {QColor(0xb2, 0x22, 0x22), u"\u25C9"};  // red eyes
    case 7: return {QColor(0x3a, 0x6e, 0xa5), u"?"};       // search
    case 8: return {QColor(0x70, 0x70, 0x70), u"i"};       // information
    case 9: return {QColor(0x3a, 0x6e, 0xa5), u"\u2261"};  // picture data
    case 10: return {QColor(0x2e, 0x8b, 0x57), u"\u25A1"}; // wallpaper
    case 11: return {QColor(0xb2, 0x22, 0x22), u"\u2715"}; // delete
    case 12: return {QColor(0x3a, 0x6e, 0xa5), u"\u25B7"}; // auto show
    case 13: return {QColor(0xd2, 0x69, 0x1e), u"\u2922"}; // resize
    case 14: return {QColor(0xd2, 0x69, 0x1e), u"\u21C4"}; // convert
    case 15: return {QColor(0x2e, 0x8b, 0x57), u"\u2750"}; // copy
    case 16: return {QColor(0xd2, 0x69, 0x1e), u"\u270E"}; // comment
    case 17: return {QColor(0x3a, 0x6e, 0xa5), u"\u2713"}; // picture check
    case 18: return {QColor(0xd2, 0x69, 0x1e), u"\u21BB"}; // rotate right
    case 19: return {QColor(0xd2, 0x69, 0x1e), u"\u21BA"}; // rotate left
    case 20: return {QColor(0xd2, 0x69, 0x1e), u"A"};      // auto rotate
    case 21: return {QColor(0xd2, 0x69, 0x1e), u"\u21D4"}; // mirror
    case 22: return {QColor(0x80, 0x80, 0x80), u"G"};      // greyscale
    case 23: return {QColor(0x3a, 0x6e, 0xa5), u"L"};      // list export
    case 24: return {QColor(0xd2, 0x69, 0x1e), u"\u21B6"}; // restore original
    case 25: return {QColor(0x3a, 0x6e, 0xa5), u"D"};      // file date
    case 26: return {QColor(0x2e, 0x8b, 0x57), u"\u2016"}; // panorama
    default: return {QColor(0x90, 0x90, 0x90), u""};
    }
}

} // namespace

QPixmap taskIcon(int index, bool pressed)
{
    QPixmap pixmap(kTaskIconSize, kTaskIconSize);
    pixmap.fill(pressed ? QColor(0xcc, 0xdd, 0xf2) : QColor(Qt::transparent));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const IconLook look = lookOf(index);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.tile);
    painter.drawRoundedRect(QRectF(1, 1, kTaskIconSize - 2, kTaskIconSize - 2), 3, 3);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, kTaskIconSize, kTaskIconSize), Qt::AlignCenter, QString::fromUtf16(look.symbol));
    return pixmap;
}

} // namespace vistello
