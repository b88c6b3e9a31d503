#pragma once
// The texts of the gallery's pages, without any file access: file names of
// pages and copies, the table cells and rows of the index pages, the page
// index and the picture pages. Every name, title and comment is escaped or
// percent-encoded where it is inserted.
#include <QString>
#include <QStringList>
#include <vector>

namespace vistello {

// The file name up to its last "."; the page stem has every "." as "_".
QString galleryBaseName(const QString& fileName);
QString picturePageName(const QString& fileName); // "k_" + stem + ".html"
// "index.html", "index2.html", ... (the number before the start page's last ".").
QString indexPageName(const QString& startPage, int number);

struct GalleryCell {
    QString fileName; // of the picture
    QString comment;  // as stored, not escaped
    int thumbWidth = 0;
    int thumbHeight = 0;
};

struct GalleryLayout {
    int perRow = 4;
    int rowsPerPage = 4; // 0: one index page
    bool linkToPicture = true;
    bool linkToOriginal = true;
    bool displayFileNames = true;
};

// The table text of each index page (at least one, maybe empty).
QStringList indexTables(const std::vector<GalleryCell>& cells, const GalleryLayout& layout);
// "<p>" and a link per index page, or empty for a single page.
QString pageIndexText(const QString& startPage, int pageCount);
// The index template with title, page index and table filled in.
QString indexPageText(const QString& indexTemplate, const QString& title, const QString& pageIndex,
                      const QString& table);

struct PicturePageTexts {
    QString title; // as typed
    QString startPage;
    QString previousTip, nextTip, startTip;
};

QString picturePageText(const QString& pictureTemplate, const PicturePageTexts& texts, const GalleryCell& picture,
                        const GalleryCell& previous, const GalleryCell& next, bool linkToOriginal);

} // namespace vistello
