// The picture check page's rules: the pictures it checks, its text and
// what the user is told at the end.
#include "app/window/taskpane/PictureCheckRules.h"
#include "core/lists/PictureList.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

TEST(PictureCheckPage, SelectionElseTheWholeList)
{
    PictureList list;
    for (const char* path : {"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"})
        list.entries().append(QString::fromUtf8(path));
    EXPECT_EQ(picturesToCheck(list), (QStringList{"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"}));
    list.selection().append(QStringLiteral("/p/c.jpg"));
    list.selection().append(QStringLiteral("/p/a.jpg"));
    EXPECT_EQ(picturesToCheck(list), (QStringList{"/p/c.jpg", "/p/a.jpg"}));
}

TEST(PictureCheckPage, TextNamesTheErrorList)
{
    EXPECT_EQ(pictureCheckPageText(),
              QStringLiteral("The selected pictures will checked for errors.\nThe broken pictures will be stored in a "
                             "list (\"Errorlist.txt\"). This list can be displayed when the check is done."));
}

TEST(PictureCheckPage, EndMessageOrQuestion)
{
    struct Case {
        int broken;
        const char* list;
        const char* text;
        bool ask;
        bool canOpen;
    };
    const Case cases[] = {
        {0, "", "No broken pictures were found\nin the selected pictures.", false, false},
        {1, "/home/me/Errorlist.txt",
         "One broken picture was found in the selected pictures.\nWould you like to view the error list?", true, true},
        {4, "/home/me/Errorlist.txt",
         "4 broken pictures were found in the selected pictures.\nWould you like to view the error list?", true, true},
        // The list could not be written: told, but nothing to open.
        {2, "", "2 broken pictures were found in the selected pictures.\nWould you like to view the error list?", true,
         false},
    };
    for (const Case& c : cases) {
        const PictureCheckEnd end = pictureCheckEnd(c.broken, QString::fromUtf8(c.list));
        EXPECT_EQ(end.text, QString::fromUtf8(c.text));
        EXPECT_EQ(end.ask, c.ask) << c.broken;
        EXPECT_EQ(end.canOpen, c.canOpen) << c.broken;
    }
}

} // namespace
} // namespace vistello
