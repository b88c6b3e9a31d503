#include "publish/gallery/GalleryPages.h"

#include "publish/common/HtmlText.h"
#include "publish/gallery/Placeholders.h"

namespace vistello {

namespace {

// src, alt, width and height of a thumbnail, up to the closing quote of height.
QString thumbnailAttributes(const GalleryCell& cell)
{
    QString text = QStringLiteral("<img src=\"") + linkToFile(QStringLiteral("t_") + cell.fileName) + QLatin1Char('"');
    if (!cell.comment.isEmpty())
        text += QStringLiteral(" alt=\"") + htmlEscape(cell.comment) + QLatin1Char('"');
    return text + QStringLiteral(" width=\"%1\" height=\"%2").arg(cell.thumbWidth).arg(cell.thumbHeight);
}

QString cellText(const GalleryCell& cell, const GalleryLayout& layout)
{
    const QString caption = layout.displayFileNames
                                ? QStringLiteral("\"><p>") + htmlEscape(galleryBaseName(cell.fileName)) + QStringLiteral("</p></img>")
                                : QStringLiteral("\"></img>");
    if (layout.linkToPicture)
        return QStringLiteral("  <td><a href=\"") + linkToFile(picturePageName(cell.fileName)) + QStringLiteral("\">")
               + thumbnailAttributes(cell) + caption + QStringLiteral("</a></td>");
    return QStringLiteral(" <td>") + thumbnailAttributes(cell) + caption + QStringLiteral("</td>");
}

} // namespace

QString galleryBaseName(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QString picturePageName(const QString& fileName)
{
    QString stem = galleryBaseName(fileName);
    stem.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("k_") + stem + QStringLiteral(".html");
}

QString indexPageName(const QString& startPage, int number)
{
    if (number <= 1)
        return startPage;
    const qsizetype dot = startPage.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return startPage + QString::number(number);
    return startPage.left(dot) + QString::number(number) + startPage.mid(dot);
}

QStringList indexTables(const std::vector<GalleryCell>& cells, const GalleryLayout& layout)
{
    const int perRow = qMax(1, layout.perRow);
    const qint64 perPage = qint64(perRow) * qMax(0, layout.rowsPerPage);
    QStringList tables;
    QString table;
    bool rowOpen = false;
    qint64 t = 0;
    for (const GalleryCell& cell : cells) {
        if (perPage > 0 && t > 0 && t % perPage == 0) {
            tables.append(table);
            table.clear();
        }
        if (t % perRow == 0) {
            table += QStringLiteral(" <tr>\r\n");
            rowOpen = true;
        }
        table += cellText(cell, layout);
        if (t % perRow == perRow - 1) {
            table += QStringLiteral("\r\n </tr>\r\n");
            rowOpen = false;
        } else {
            table += QStringLiteral("\r\n");
        }
        ++t;
    }
    if (rowOpen && t > 0)
        table += QStringLiteral(" </tr>\r\n");
    tables.append(table);
    return tables;
}

QString pageIndexText(const QString& startPage, int pageCount)
{
    if (pageCount < 2)
        return {};
    QString text = QStringLiteral("<p>");
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1)
            text += QStringLiteral("&nbsp;&nbsp;");
        text += QStringLiteral("<a href=\"") + linkToFile(indexPageName(startPage, page)) + QStringLiteral("\">")
                + QString::number(page) + QStringLiteral("</a>");
    }
    return text + QStringLiteral("</p>");
}

QString indexPageText(const QString& indexTemplate, const QString& title, const QString& pageIndex,
                      const QString& table)
{
    const QString escaped = htmlEscape(title);
    return fillPlaceholders(indexTemplate, {escaped, escaped, pageIndex, table});
}

QString picturePageText(const QString& pictureTemplate, const PicturePageTexts& texts, const GalleryCell& picture,
                        const GalleryCell& previous, const GalleryCell& next, bool linkToOriginal)
{
    const QStringList values = {
        htmlEscape(texts.title),
        linkToFile(picturePageName(previous.fileName)),
        linkToFile(picturePageName(next.fileName)),
        linkToFile(texts.startPage),
        linkToFile(QStringLiteral("k_") + picture.fileName),
        htmlEscape(picture.comment),
        htmlEscape(galleryBaseName(picture.fileName)),
        linkToOriginal ? QStringLiteral("<a href=\"") + linkToFile(picture.fileName) + QStringLiteral("\">") : QString(),
        linkToOriginal ? QStringLiteral("</a>") : QString(),
        texts.previousTip,
        texts.nextTip,
        texts.startTip,
    };
    return fillPlaceholders(pictureTemplate, values);
}

} // namespace vistello
