#include "app/window/viewer/ButtonStrip.h"

#include "app/window/viewer/ViewerButtons.h"


namespace vistello {

namespace {

const QRgb kHotBackground = qRgb(204, 204, 255);
const QRgb kGrey = qRgb(161, 161, 161);
const QRgb kSelectionBlue = qRgb(49, 106, 197);

struct Cell {
    int command;
    int index;
    const char16_t* mark;
};

const Cell kCells[] = {
    {viewer::StopShow, 6, u"\u25a0"},       {viewer::BackToNormal, 8, u"\u25a1"},
    {viewer::EnableZoom, 12, u"+"},         {viewer::DisableZoom, 13, u"1"},
    {viewer::Delete, 14, u"\u2715"},        {viewer::Crop, 15, u"#"},
    {viewer::Greyscale, 16, u"G"},          {viewer::SubDiagonal, 17, u"\u2199"},
    {viewer::MainDiagonal, 18, u"\u2198"},  {viewer::FlipVertical, 19, u"\u2195"},
    {viewer::FlipHorizontal, 20, u"\u2194"}, {viewer::RotateLeft, 21, u"\u21ba"},
    {viewer::RotateRight, 22, u"\u21bb"},   {viewer::AutoRotate, 23, u"A"},
    {viewer::RestoreOriginal, 24, u"O"},    {viewer::MoveRight, 25, u"\u2192"},
    {viewer::MoveLeft, 26, u"\u2190"},      {viewer::MoveUp, 27, u"\u2191"},
    {viewer::MoveDown, 28, u"\u2193"},      {viewer::ZoomOut, 29, u"\u2212"},
    {viewer::ZoomIn, 30, u"+"},
};

QImage rgb32(const QImage& strip)
{
    return strip.convertToFormat(QImage::Format_RGB32);
}

} // namespace

int stripIndex(int command)
{
    for (const Cell& cell : kCells)
        if (cell.command == command)
            return cell.index;
    return -1;
}

std::vector<int> stripCommands()
{
    std::vector<int> commands;
    for (const Cell& cell : kCells)
        commands.push_back(cell.command);
    return commands;
}

QString stripMark(int command)
{
    for (const Cell& cell : kCells)
        if (cell.command == command)
            return QString::fromUtf16(cell.mark);
    return {};
}

QImage hotVariant(const QImage& strip)
{
    const QImage source = rgb32(strip);
    const QRgb key = source.pixel(0, 0);
    QImage hot(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            hot.setPixel(x, y, source.pixel(x, y) == key ? kHotBackground : kGrey);
    for (int y = 1; y < source.height(); ++y)
        for (int x = 1; x < source.width(); ++x)
            if (source.pixel(x, y) != key)
                hot.setPixel(x - 1, y - 1, source.pixel(x, y));
    const int right = hot.width() - 1, bottom = hot.height() - 1;
    for (int x = 0; x <= right; ++x) {
        hot.setPixel(x, 0, kSelectionBlue);
        hot.setPixel(x, bottom, kSelectionBlue);
    }
    for (int y = 0; y <= bottom; ++y) {
        hot.setPixel(0, y, kSelectionBlue);
        hot.setPixel(right, y, kSelectionBlue);
        for (int x = kStripCell; x < hot.width(); x += kStripCell) {
            hot.setPixel(x - 1, y, kSelectionBlue);
            hot.setPixel(x, y, kSelectionBlue);
        }
    }
    return hot;
}

QImage disabledVariant(const QImage& strip)
{
    QImage disabled = rgb32(strip);
    const QRgb key = disabled.pixel(0, 0);
    for (int y = 0; y < disabled.height(); ++y)
        for (int x = 0; x < disabled.width(); ++x)
            if (disabled.pixel(x, y) != key)
                disabled.setPixel(x, y, kGrey);
    return disabled;
}

} // namespace vistello
