#include "publish/gallery/GalleryTemplates.h"

#include "core/settings/StringNormalization.h"
#include "resources/PublishStrings.h"

namespace vistello {

namespace {

constexpr const char* kHead =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
    "<meta name=\"GENERATOR\" content=\"Vistello LE\">\r\n"
    "<title>%1</title>\r\n";

constexpr const char* kWebSite = "https://vistello.example/";

QString templateFor(QStringView key)
{
    if (key == u"HTMLIndexPage")
        return builtInIndexTemplate();
    if (key == u"HTMLPicturePage")
        return builtInPictureTemplate();
    return {};
}

} // namespace

QString builtInIndexTemplate()
{
    return QLatin1String(kHead)
           + QLatin1String("<style type=\"text/css\"><!-- td { font-size: xx-small; text-align:center; } "
                           "img { border:0px none; } --></style>\r\n"
                           "</head>\r\n"
                           "<body background=\"_b.jpg\"><center>\r\n"
                           "<p><font size=\"6\">%2</font></p>\r\n"
                           "%3\r\n"
                           "<table border=\"0\" cellpadding=\"0\" cellspacing=\"20\">\r\n"
                           "%4"
                           "</table>\r\n"
                           "</center><p>&nbsp;</p>\r\n"
                           "<p><font size=\"1\">")
           + strings::text(strings::kCreatedWith) + QLatin1String("</font><a href=\"") + QLatin1String(kWebSite)
           + QLatin1String("\"><font size=\"2\">Vistello LE</font></a></p>\r\n"
                           "</body></html>\r\n");
}

QString builtInPictureTemplate()
{
    return QLatin1String(kHead)
           + QLatin1String("<style type=\"text/css\"><!-- img { border:0px none; } --></style>\r\n"
                           "</head>\r\n"
                           "<body background=\"_b.jpg\"><center>\r\n"
                           "<font size=\"6\">%1</font>\r\n"
                           "<table border=\"0\" cellpadding=\"0\" cellspacing=\"20\">\r\n <tr>\r\n"
                           "  <td><a href=\"%2\"><img src=\"_p.gif\" alt=\"%10\"></img></a></td>\r\n"
                           "  <td><a href=\"%3\"><img src=\"_n.gif\" alt=\"%11\"></img></a></td>\r\n"
                           "  <td><a href=\"%4\"><img src=\"_s.gif\" alt=\"%12\"></img></a></td>\r\n"
                           " </tr>\r\n</table>\r\n"
                           "%8<img src=\"%5\"></img>%9\r\n"
                           "<p><b>%6</b><br><font size=\"2\">%7</font></p>\r\n"
                           "</body></html>");
}

void registerGalleryTemplates()
{
    setBuiltInTextProvider(templateFor);
}

} // namespace vistello
