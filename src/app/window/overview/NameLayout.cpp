#include "app/window/overview/NameLayout.h"

namespace vistello {

namespace {

const QString kEllipsis = QStringLiteral("\u2026");

// The longest start of text that fits, at least one character.
int fittingLength(const QString& text, int width, const TextWidth& measure)
{
    int length = 1;
    while (length < text.size() && measure(text.left(length + 1)) <= width)
        ++length;
    return length;
}

QString elided(QString line, int width, const TextWidth& measure)
{
    while (!line.isEmpty() && measure(line + kEllipsis) > width)
        line.chop(1);
    return line + kEllipsis;
}

} // namespace

QStringList nameLines(const QString& name, int width, const TextWidth& measure, int maxLines)
{
    QStringList lines;
    QString rest = name;
    while (!rest.isEmpty() && lines.size() < maxLines) {
        if (measure(rest) <= width) {
            lines.append(rest);
            break;
        }
        // The last line shows as much as fits before the ellipsis.
        if (lines.size() == maxLines - 1) {
            lines.append(elided(rest, width, measure));
            break;
        }
        int length = fittingLength(rest, width, measure);
        // Break at the last space that fits, when there is one.
        const int space = rest.left(length + 1).lastIndexOf(QLatin1Char(' '));
        if (space > 0)
            length = space;
        lines.append(rest.left(length));
        rest = rest.mid(length).trimmed();
    }
    return lines;
}

QString plainToolTip(const QString& text)
{
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

OverviewItemLayout overviewItemLayout(QRect cell)
{
    // The tile sits 8 pixels into its frame's rectangle and 2 below its top.
    constexpr int kIconWidth = OverviewItemLayout::kTile + 16;
    constexpr int kIconHeight = OverviewItemLayout::kTile + 4;
    OverviewItemLayout item;
    item.iconRect = QRect(cell.x() + (cell.width() - kIconWidth) / 2, cell.y() + 2, kIconWidth, kIconHeight);
    item.tileRect = QRect(item.iconRect.x() + 8, item.iconRect.y() + 2, OverviewItemLayout::kTile,
                          OverviewItemLayout::kTile);
    const int labelTop = item.iconRect.bottom() + 1 + 4;
    item.labelRect = QRect(cell.x() + 2, labelTop, cell.width() - 4, cell.bottom() + 1 - labelTop);
    item.checkBox = QRect(item.iconRect.x() - 5, item.iconRect.bottom() + 1 - 17, 13, 13);
    return item;
}

} // namespace vistello
