// The task pane's information box carries the IPTC and APP12 rows after the
// picture's information text; the picture-data Copy text carries them too.
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/info/PictureDataText.h"
#include "jpegmeta/info/PictureInfoBoxText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vistello;

namespace {

QByteArray dataset(int number, const QByteArray& data)
{
    return QByteArray("\x1C\x02", 2) + char(number) + char(data.size() >> 8) + char(data.size() & 0xFF) + data;
}

} // namespace

TEST(InfoBoxText, IptcAndApp12RowsFollowTheInformationText)
{
    test::TempDir dir;
    const QByteArray iptc = QByteArray("Photoshop 3.0\0008BIM\x04\x04\0\0", 20) + dataset(120, "Harbour at dusk") +
                            dataset(25, "boats") + dataset(25, "sea");
    const QString path = dir.write("IMG_0001.jpg", test::jpegWith({test::segment(0xED, iptc),
                                                                  test::segment(0xEC, "[pic]\rQuality=HQ\r")}));
    const QString text = pictureInfoBoxText(path, QStringLiteral("today"), 1234);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Picture name:\tIMG_0001.jpg\n"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("\n\nIPTC\nCaption:\n  Caption\tHarbour at dusk\nKeywords:\n\tboats\n\tsea"
                                             "\n\nAPP12 info\n[pic]\n  Quality\tHQ")))
        << text.toStdString();

    const QString copied = pictureDataText(path, readPictureDataSections(path));
    EXPECT_TRUE(copied.contains(QStringLiteral("\r\nIPTC\r\n"))) << copied.toStdString();
    EXPECT_TRUE(copied.contains(QStringLiteral("Harbour at dusk\r\n")));
    EXPECT_TRUE(copied.contains(QStringLiteral("\r\nAPP12 info\r\n")));
}

TEST(InfoBoxText, PlainPictureGetsNoSections)
{
    test::TempDir dir;
    const QString path = dir.write("IMG_0002.jpg", test::plainJpeg());
    const QString text = pictureInfoBoxText(path, QStringLiteral("today"), 1234);
    EXPECT_FALSE(text.contains(QLatin1String("IPTC")));
    EXPECT_FALSE(text.endsWith(QLatin1Char('\n')));
}
