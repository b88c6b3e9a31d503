#include "core/lists/ListFileReader.h"
#include "core/lists/ListFileWriter.h"
#include "core/lists/PathArray.h"
#include "core/lists/PictureList.h"
#include "ListTestSupport.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

using namespace vistello;
using vistello::test::ListTest;

namespace {

class ListFile : public ListTest {
protected:
    QStringList read(const QString& listPath, bool* found = nullptr)
    {
        PathArray pending(100);
        const bool any = readListFile(listPath, pending, &ListFileComments::instance());
        if (found)
            *found = any;
        return pending.toStringList();
    }
    QString comment(const QString& path) { return ListFileComments::instance().get(path); }
};

QByteArray utf16(const QString& text, bool bigEndian)
{
    QStringEncoder enc(bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE,
                       QStringConverter::Flag::WriteBom);
    return enc.encode(text);
}

} // namespace

TEST_F(ListFile, ResolvesRelativeNamesAgainstTheListFolder)
{
    const QString a = touch("pics/a.jpg");
    const QString b = touch("pics/sub/b.jpg");
    const QString c = touch("elsewhere/c.jpg");
    const QString list = dir.write("pics/list.csv", ("a.jpg\r\n./sub/b.jpg\r\n" + c.toUtf8() + "\r\n../pics/a.jpg\r\n"));
    EXPECT_EQ(read(list), (QStringList{a, b, c, a}));
}

TEST_F(ListFile, SkipsMissingShortAndNonPictureNames)
{
    const QString a = touch("a.jpg");
    touch("notes.txt");
    const QByteArray text = "notes.txt,c1\r\nmissing.jpg,c2\r\nab\r\n\r\n,empty\r\n"
                            + QString(512, u'x').toUtf8() + ".jpg\r\na.jpg,kept\r\n";
    bool found = false;
    EXPECT_EQ(read(dir.write("l.csv", text), &found), QStringList{a});
    EXPECT_TRUE(found);
    EXPECT_EQ(comment(a), "kept");
    EXPECT_EQ(ListFileComments::instance().count(), 1);

    EXPECT_TRUE(read(dir.write("none.csv", "missing.jpg\r\n"), &found).isEmpty());
    EXPECT_FALSE(found);
}

// Regression: names of 260 units or more were refused, so an exported list of
// deep paths could not be read back. 511 units is the limit of a picture path.
TEST_F(ListFile, AcceptsPathsUpTo511Units)
{
    QString folder = dir.path();
    while (511 - folder.size() > 200 + 20)
        folder += QString(200, u'd') + u'/';
    const qsizetype nameLength = 511 - folder.size();
    const QString longest = folder + QString(nameLength - 4, u'n') + QStringLiteral(".jpg");
    const QString tooLong = folder + QString(nameLength - 3, u'n') + QStringLiteral(".jpg");
    ASSERT_EQ(longest.size(), 511);
    QDir().mkpath(folder);
    for (const QString& p : {longest, tooLong}) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << p.size();
    }
    const QString list = dir.write("deep.csv", tooLong.toUtf8() + "\r\n" + longest.toUtf8() + "\r\n");
    EXPECT_EQ(read(list), QStringList{longest});
}

TEST_F(ListFile, ReadsEveryEncodingOfTheTextReader)
{
    const QString picture = touch(QStringLiteral("été/Ölberg №1.jpg"));
    const QString text = QStringLiteral("\"été/Ölberg №1.jpg\",Grüße 😀\r\n");
    const std::pair<const char*, QByteArray> files[] = {
        {"utf16le.csv", utf16(text, false)},
        {"utf16be.csv", utf16(text, true)},
        {"utf8bom.csv", "\xEF\xBB\xBF" + text.toUtf8()},
        {"utf8.csv", text.toUtf8()},
    };
    for (const auto& [name, bytes] : files) {
        ListFileComments::instance().clear();
        EXPECT_EQ(read(dir.write(QString::fromLatin1(name), bytes)), QStringList{picture}) << name;
        EXPECT_EQ(comment(picture), QStringLiteral("Grüße 😀")) << name;
    }
    // Without a byte-order mark and not valid UTF-8: Latin-1.
    const QString latin = touch(QStringLiteral("caf\u00e9.jpg"));
    EXPECT_EQ(read(dir.write("latin1.csv", "caf\xE9.jpg,\xE0 la carte")), QStringList{latin});
    EXPECT_EQ(comment(latin), QStringLiteral("\u00e0 la carte"));
}

TEST_F(ListFile, RefusesFilesOver64MiBAndBinaryFiles)
{
    touch("a.jpg");
    QByteArray head;
    while (head.size() < 8192)
        head += "a.jpg\r\n";
    const QString big = dir.write("big.csv", head);
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(qint64(64) * 1024 * 1024 + 1)); // sparse: cheap to make
    }
    bool found = true;
    EXPECT_TRUE(read(big, &found).isEmpty());
    EXPECT_FALSE(found);

    // A picture given where a list may stand is not decoded as text.
    static const char jpegStart[] = "\xFF\xD8\xFF\xE1\x00\x10" "Exif\0\0\r\na.jpg\r\n";
    EXPECT_TRUE(read(dir.write("photo.csv", QByteArray(jpegStart, sizeof jpegStart - 1))).isEmpty());
    EXPECT_TRUE(read(dir.file("absent.csv")).isEmpty());
    EXPECT_TRUE(read(dir.path()).isEmpty());
}

TEST_F(ListFile, AppendPendingAppendsOnlyThisFilesPictures)
{
    const QString a = touch("a.jpg");
    const QString b = touch("b.jpg");
    PictureList list(10);
    EXPECT_TRUE(list.readListFile(dir.write("1.csv", "a.jpg"), true));
    EXPECT_TRUE(list.readListFile(dir.write("2.csv", "b.jpg"), true));
    EXPECT_EQ(list.entries().toStringList(), (QStringList{a, b}));
    EXPECT_EQ(list.pending().toStringList(), (QStringList{a, b}));
}

TEST(ListFileLine, PlainLinesKeepTheSimpleForm)
{
    EXPECT_EQ(listFileLine(QStringLiteral("/p/a.jpg"), QString()), "/p/a.jpg\r\n");
    EXPECT_EQ(listFileLine(QStringLiteral("/p/a b.jpg"), QStringLiteral("Sunset at sea ")),
              "/p/a b.jpg,Sunset at sea \r\n");
    EXPECT_EQ(listFileLine(QStringLiteral("/p/a.jpg"), QStringLiteral("one, two")), "/p/a.jpg,\"one, two\"\r\n");
    EXPECT_EQ(listFileLine(QStringLiteral("/p/a,b.jpg"), QStringLiteral("say \"hi\"")),
              "\"/p/a,b.jpg\",\"say \"\"hi\"\"\"\r\n");
    EXPECT_EQ(listFileLine(QStringLiteral("/p/a.jpg"), QStringLiteral("two\r\nlines")), "/p/a.jpg,two  lines\r\n");
}

TEST_F(ListFile, ExportWritesTheDocumentedBytes)
{
    const QString a = touch("a.jpg");
    const QString b = touch("b.jpg");
    ListFileComments::instance().set(b, QStringLiteral("Grüße"));
    const QString out = dir.file("out.csv");
    ASSERT_TRUE(writeListFile(out, {a, b}, [](const QString& p) { return ListFileComments::instance().get(p); }));
    EXPECT_EQ(test::readAll(out), "\xEF\xBB\xBF" + a.toUtf8() + "\r\n" + b.toUtf8() + ",Gr\xC3\xBC\xC3\x9F" "e\r\n");
    EXPECT_FALSE(writeListFile(dir.file("no/such/folder/out.csv"), {a}, [](const QString& p) { return ListFileComments::instance().get(p); }));
}

// Regression: names and comments were written without quotes, so a path
// holding "," ";" or "=" was cut when the list was read back.
TEST_F(ListFile, ExportedAwkwardNamesReadBackIdentically)
{
    const QStringList names = {
        QStringLiteral("plain.jpg"),         QStringLiteral("comma, in name.jpg"),
        QStringLiteral("semi;colon.jpg"),    QStringLiteral("equals=sign.jpg"),
        QStringLiteral("\"quoted\".jpg"),    QStringLiteral("  leading blanks.jpg"),
        QStringLiteral("blank before dot .jpg"), QStringLiteral("tab\there.jpg"),
        QStringLiteral("Ünïcödé 写真.jpg"),   QStringLiteral("new\nline.jpg"),
    };
    const QStringList comments = {
        QString(),          QStringLiteral("a, b; c = d"), QStringLiteral("\"starts with a quote"),
        QStringLiteral("  leading"), QStringLiteral("ends with quote\""), QStringLiteral("plain comment"),
        QStringLiteral("trailing blanks  "), QString(), QStringLiteral("写真 ✓"), QStringLiteral("k"),
    };
    QStringList pictures;
    for (qsizetype i = 0; i < names.size(); ++i) {
        pictures.append(touch(QStringLiteral("sub/") + names[i]));
        ListFileComments::instance().set(pictures.last(), comments[i]);
    }
    const QString out = dir.file("export.csv");
    ASSERT_TRUE(writeListFile(out, pictures, [](const QString& p) { return ListFileComments::instance().get(p); }));

    ListFileComments::instance().clear();
    EXPECT_EQ(read(out), pictures);
    for (qsizetype i = 0; i < pictures.size(); ++i)
        EXPECT_EQ(comment(pictures[i]), comments[i]) << names[i].toStdString();
}

TEST_F(ListFile, PicturesToExportFollowTheDisplayStyle)
{
    PictureList list(10);
    list.entries().append(QStringLiteral("/p/a.jpg"));
    list.entries().append(QStringLiteral("/p/b.jpg"));
    EXPECT_EQ(picturesToExport(list, false).size(), 2);
    list.selection().append(QStringLiteral("/p/b.jpg"));
    EXPECT_EQ(picturesToExport(list, false), QStringList{QStringLiteral("/p/b.jpg")});
    EXPECT_EQ(picturesToExport(list, true).size(), 2);
}
