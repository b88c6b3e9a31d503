// The gallery's page texts without files: names, rows and pages, the page
// index, placeholders filled once, and names and texts that would break or
// inject markup.
#include "publish/common/HtmlText.h"
#include "publish/gallery/GalleryPages.h"
#include "publish/gallery/GalleryTemplates.h"
#include "publish/gallery/Placeholders.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

std::vector<GalleryCell> cells(int count)
{
    std::vector<GalleryCell> list;
    for (int i = 0; i < count; ++i)
        list.push_back({QStringLiteral("P%1.jpg").arg(i), {}, 120, 80});
    return list;
}

TEST(GalleryPages, NamesOfPagesAndCopies)
{
    EXPECT_EQ(picturePageName("IMG.1.JPG"), "k_IMG_1.html");
    EXPECT_EQ(galleryBaseName("IMG.1.JPG"), "IMG.1");
    EXPECT_EQ(indexPageName("index.html", 1), "index.html");
    EXPECT_EQ(indexPageName("index.html", 3), "index3.html");
    EXPECT_EQ(indexPageName("my.page.htm", 2), "my.page2.htm");
}

TEST(GalleryPages, SeventeenPicturesFourByFour)
{
    GalleryLayout layout;
    const QStringList tables = indexTables(cells(17), layout);
    ASSERT_EQ(tables.size(), 2);
    EXPECT_EQ(tables[0].count("<td>"), 16);
    EXPECT_EQ(tables[0].count(" <tr>\r\n"), 4);
    EXPECT_EQ(tables[0].count("\r\n </tr>\r\n"), 4);
    EXPECT_EQ(tables[1],
              " <tr>\r\n  <td><a href=\"k_P16.html\"><img src=\"t_P16.jpg\" width=\"120\" height=\"80\"><p>P16</p>"
              "</img></a></td>\r\n </tr>\r\n");
    EXPECT_EQ(pageIndexText("index.html", 2),
              "<p><a href=\"index.html\">1</a>&nbsp;&nbsp;<a href=\"index2.html\">2</a></p>");
    EXPECT_EQ(pageIndexText("index.html", 1), "");
    layout.rowsPerPage = 0;
    EXPECT_EQ(indexTables(cells(17), layout).size(), 1);
    EXPECT_EQ(indexTables({}, layout), QStringList{QString()});
}

TEST(GalleryPages, PlaceholdersAreFilledInOnePass)
{
    struct Case {
        const char* text;
        QStringList values;
        const char* expected;
    } const cases[] = {
        {"<t>%1</t>%2", {"50%2 off", "x"}, "<t>50%2 off</t>x"},   // an inserted value is not scanned again
        {"%10|%1|%13", {"a", "b", "c", "d"}, "a0|a|a3"},          // four values: %10 is %1 then 0
        {"%10|%12|%13|%", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten", "e", "twelve"}, "ten|twelve|13|%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fillPlaceholders(QString::fromUtf8(c.text), c.values), QString::fromUtf8(c.expected)) << c.text;
}

TEST(GalleryPages, NamesTitlesAndCommentsNeverBecomeMarkup)
{
    EXPECT_EQ(htmlEscape("A & B <i>\"q\"</i>"), "A &amp; B &lt;i&gt;&quot;q&quot;&lt;/i&gt;");
    EXPECT_EQ(linkToFile("IMG_0001-a.b~c.JPG"), "IMG_0001-a.b~c.JPG");
    EXPECT_EQ(linkToFile("a&b #1 \"x\".jpg"), "a%26b%20%231%20%22x%22.jpg");
    EXPECT_EQ(linkToFile("100%.jpg"), "100%25.jpg");
    EXPECT_EQ(linkToFile("c:d?.jpg"), "c%3Ad%3F.jpg");
    // A user's template may quote its attributes with "'".
    EXPECT_EQ(htmlEscape("Bob's"), "Bob&#39;s");
    EXPECT_EQ(linkToFile("Bob's.jpg"), "Bob%27s.jpg");

    GalleryCell picture{"<b>.jpg", "<b>x</b> %7", 10, 10};
    PicturePageTexts texts;
    texts.title = "A & B %6";
    texts.startPage = "index.html";
    const QString page = picturePageText(builtInPictureTemplate(), texts, picture, picture, picture, true);
    EXPECT_TRUE(page.contains("<title>A &amp; B %6</title>"));
    EXPECT_TRUE(page.contains("<p><b>&lt;b&gt;x&lt;/b&gt; %7</b><br><font size=\"2\">&lt;b&gt;</font></p>"));
    EXPECT_TRUE(page.contains("<a href=\"%3Cb%3E.jpg\"><img src=\"k_%3Cb%3E.jpg\"></img></a>"));
    GalleryLayout layout;
    EXPECT_TRUE(indexTables({picture}, layout)[0].contains("alt=\"&lt;b&gt;x&lt;/b&gt; %7\""));
}

} // namespace
} // namespace vistello
