#include "core/settings/SettingsStore.h"
#include "core/settings/StringNormalization.h"
#include "core/textfile/TextFileReader.h"
#include "FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QXmlStreamReader>


using namespace vistello;
using vistello::test::TempDir;

namespace {

const QDate kOrdinaryDay(2024, 5, 17);
const QDate kSeasonalDay(2024, 10, 31);

QByteArray settingsFile(const QString& elements)
{
    return QByteArray("\xEF\xBB\xBF") + (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Document>\r\n"
                                                         " <Author>Vistello LE</Author>\r\n <Settings>\r\n")
                                          + elements + QStringLiteral(" </Settings>\r\n</Document>\r\n"))
                                             .toUtf8();
}

SettingsStore loadedFrom(const QString& text, QDate today = kOrdinaryDay)
{
    SettingsStore store(QStringLiteral("/nonexistent-folder"));
    store.loadFromText(text, today);
    return store;
}

TEST(SettingsStore, savesTheExactFileLayout)
{
    TempDir dir;
    SettingsStore store(dir.path());
    store.setString(QStringLiteral("HTMLtitle"), QStringLiteral("Holiday <2024> & \"more\""));
    store.setString(QStringLiteral("DisplayProfile"), QString()); // empty strings are left out
    store.setString(QStringLiteral("IndexTargetFolder"), QStringLiteral("/srv/sheets"));
    store.setBool(QStringLiteral("FirstRun"), false);
    store.setBool(QStringLiteral("AutoShow"), true);
    EXPECT_EQ(store.getInt(QStringLiteral("PictureCacheSize"), -1), 4);
    store.setIntRaw(QStringLiteral("RenameFirstIndex"), -7);
    store.setBin(QStringLiteral("CropRect"), QByteArray("\x00\x1b\xff\x10", 4));

    const QByteArray expected = settingsFile(QStringLiteral(
        "  <c Attr=\"HTMLtitle\" Type=\"string\">Holiday __&lt;__2024__&gt;__ & \"more\"</c>\r\n"
        "  <c Attr=\"IndexTargetFolder\" Type=\"string\">/srv/sheets/</c>\r\n"
        "  <c Attr=\"AutoShow\" Type=\"bool\">true</c>\r\n"
        "  <c Attr=\"FirstRun\" Type=\"bool\">false</c>\r\n"
        "  <c Attr=\"PictureCacheSize\" Type=\"int\">-1</c>\r\n"
        "  <c Attr=\"RenameFirstIndex\" Type=\"int\">-7</c>\r\n"
        "  <c Attr=\"CropRect\" Type=\"bin\">001bff10</c>\r\n"));
    EXPECT_EQ(store.serialize(), expected);
    ASSERT_TRUE(store.save());
    EXPECT_EQ(vistello::test::readAll(dir.file(QStringLiteral("vistello_LE.xml"))), expected);
}

TEST(SettingsStore, savedFileIsWellFormedXml)
{
    SettingsStore store(QStringLiteral("/nonexistent-folder"));
    store.setString(QStringLiteral("LastUsedFolder"), QStringLiteral("/home/u/<pics>"));
    store.setBool(QStringLiteral("FullScreen"), true);
    store.setInt(QStringLiteral("AutoShowDelay"), 12);
    store.setBin(QStringLiteral("WindowPlacement"), QByteArray("\x01\x02", 2));
    QXmlStreamReader xml(store.serialize());
    int values = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"c")
            ++values;
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(values, 4);
}

TEST(SettingsStore, roundTripsEveryTypeThroughTheFile)
{
    TempDir dir;
    const QString text = QString::fromUtf8("caf\xc3\xa9 \xf0\x9f\x98\x80 <b>&amp;</b>");
    {
        SettingsStore store(dir.path());
        store.setString(QStringLiteral("HTMLtitle"), text);
        store.setStringList(QStringLiteral("FavoritesList"), {QStringLiteral("/a"), QStringLiteral("/b c")}, u'|');
        store.setBool(QStringLiteral("Transitions"), false);
        store.setInt(QStringLiteral("TextColor"), 0x123456);
        store.setFlag(QStringLiteral("OptionsSelection"), 128);
        store.setBin(QStringLiteral("CropRect"), QByteArray("\x00\xfe\x7f", 3));
        ResizeSettings record;
        record.width = 1600;
        record.qualityGiven = false;
        store.setRecord(QStringLiteral("Resize"), record);
        ASSERT_TRUE(store.save());
    }
    SettingsStore store(dir.path());
    store.load(QString(), kOrdinaryDay);
    EXPECT_FALSE(store.readOnly());
    EXPECT_EQ(store.getString(QStringLiteral("HTMLtitle")), text);
    EXPECT_EQ(store.getStringList(QStringLiteral("FavoritesList"), u'|'),
              QStringList({QStringLiteral("/a"), QStringLiteral("/b c")}));
    EXPECT_FALSE(store.getBool(QStringLiteral("Transitions"), true));
    EXPECT_EQ(store.getInt(QStringLiteral("TextColor"), -1), 0x123456);
    EXPECT_EQ(store.getFlag(QStringLiteral("OptionsSelection"), 1), 128u);
    QByteArray bin;
    ASSERT_TRUE(store.getBin(QStringLiteral("CropRect"), bin));
    EXPECT_EQ(bin, QByteArray("\x00\xfe\x7f", 3));
    const ResizeSettings record = store.getRecord(QStringLiteral("Resize"), ResizeSettings{});
    EXPECT_EQ(record.width, 1600);
    EXPECT_FALSE(record.qualityGiven);
}

TEST(SettingsStore, readsFilesInOtherEncodings)
{
    const QString elements = QString::fromUtf8("  <c Attr=\"HTMLtitle\" Type=\"string\">M\xc3\xbcnchen</c>\r\n");
    const QString document = QString::fromUtf8(settingsFile(elements).mid(3));
    const QString expected = QString::fromUtf8("M\xc3\xbcnchen");

    TempDir dir;
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"utf16le.xml", QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(document)},
        {"utf8.xml", document.toUtf8()},
        {"latin1.xml", document.toLatin1()},
    };
    for (const auto& file : files) {
        SettingsStore store(dir.path());
        store.load(dir.write(QString::fromLatin1(file.name), file.bytes), kOrdinaryDay);
        EXPECT_EQ(store.getString(QStringLiteral("HTMLtitle")), expected) << file.name;
    }
}

TEST(SettingsStore, damagedFilesGiveDefaultsAndWhatIsStillReadable)
{
    const struct {
        const char* text;
        const char* key;
        int value; // -99: the key must be missing
    } cases[] = {
        {"", "A", -99},
        {"<c Attr=\"A\" Type=\"int\">5</c>", "A", -99}, // no <Settings>
        {"<Settings><c Attr=\"A\" Type=\"int\">5", "A", -99}, // truncated
        {"<Settings><c Attr=\"A\" Type=\"int\">5</c", "A", -99},
        {"<Settings><c Attr=\"A", "A", -99},
        {"<Settings><c Attr=\"A\" Type=\"int\"></c>", "A", -99}, // empty value
        {"<Settings><c Attr=\"\" Type=\"int\">5</c>", "", -99},   // empty key
        {"<Settings><c Attr=\"A\" Type=\"float\">5</c>", "A", -99},
        {"<Settings><c Type=\"int\" Attr=\"A\">5</c>", "A", 5}, // any attribute order
        {"<Settings><c Attr=\"A\" Type=\"int\">12x</c>", "A", 12},
        {"<Settings><c Attr=\"A\" Type=\"int\">x</c>", "A", 0},
        {"<Settings><c Attr=\"A\" Type=\"int\">99999999999</c>", "A", 2147483647},
        {"<Settings><c Attr=\"PictureCacheSize\" Type=\"int\">-1</c>", "PictureCacheSize", 4},
        {"<Settings><c Attr=\"A\" Type=\"int\">5<c Attr=\"B\" Type=\"int\">6</c>", "B", 6},
        {"<Settings>\x01\xff<c Attr=\"A\"\" Type=\"int\">7</c></c></c>", "A", 7},
    };
    for (const auto& c : cases) {
        SettingsStore store = loadedFrom(QString::fromLatin1(c.text));
        const QString key = QString::fromLatin1(c.key);
        if (c.value == -99)
            EXPECT_FALSE(store.contains(key)) << c.text;
        else
            EXPECT_EQ(store.getIntRaw(key, -99), c.value) << c.text;
    }
}

TEST(SettingsStore, valueEndsAtALessThanSign)
{
    SettingsStore store = loadedFrom(QStringLiteral("<Settings><c Attr=\"T\" Type=\"string\">a>b<c</c>"));
    EXPECT_EQ(store.getString(QStringLiteral("T")), QStringLiteral("a>b"));
}

TEST(SettingsStore, missingIntsAndBoolsStoreTheirDefaultOnFirstRead)
{
    TempDir dir;
    {
        SettingsStore store(dir.path());
        store.load(QString(), kOrdinaryDay); // no file yet
        EXPECT_EQ(store.getInt(QStringLiteral("PictureCacheSize"), -1), 4);
        EXPECT_EQ(store.getIntRaw(QStringLiteral("PictureCacheSize"), 9), -1); // reading does not validate the stored value
        EXPECT_TRUE(store.getBool(QStringLiteral("FirstRun"), true));
        store.setBool(QStringLiteral("FirstRun"), false);
        EXPECT_EQ(store.getString(QStringLiteral("IndexFileName")), QStringLiteral("index%d.jpg"));
        EXPECT_FALSE(store.contains(QStringLiteral("IndexFileName"))); // strings are not stored by reading
        ASSERT_TRUE(store.save());
    }
    const QByteArray file = vistello::test::readAll(dir.file(QStringLiteral("vistello_LE.xml")));
    EXPECT_TRUE(file.contains("<c Attr=\"PictureCacheSize\" Type=\"int\">-1</c>"));
    EXPECT_TRUE(file.contains("<c Attr=\"FirstRun\" Type=\"bool\">false</c>"));
    EXPECT_FALSE(file.contains("IndexFileName"));

    SettingsStore store(dir.path());
    store.load(QString(), kOrdinaryDay);
    EXPECT_EQ(store.getIntRaw(QStringLiteral("PictureCacheSize"), 9), 4); // validated at load
}

TEST(SettingsStore, stringsAreEscapedAndNormalisedWhenSet)
{
    SettingsStore store(QStringLiteral("/nonexistent-folder"));
    store.setString(QStringLiteral("HTMLtitle"), QStringLiteral("<b>x</b>"));
    EXPECT_TRUE(store.serialize().contains("__&lt;__b__&gt;__x__&lt;__/b__&gt;__"));
    EXPECT_EQ(store.getString(QStringLiteral("HTMLtitle")), QStringLiteral("<b>x</b>"));

    store.setString(QStringLiteral("PictureListExtension"), QStringLiteral("txt"));
    EXPECT_EQ(store.getString(QStringLiteral("PictureListExtension")), QStringLiteral(".txt"));
    // Regression: a format string in the name is never handed to printf.
    store.setString(QStringLiteral("IndexFileName"), QStringLiteral("%s%s%s%n%d"));
    EXPECT_EQ(store.getString(QStringLiteral("IndexFileName")), QStringLiteral("index%d.jpg"));
    EXPECT_EQ(store.getString(QStringLiteral("Missing"), QStringLiteral("fallback")), QStringLiteral("fallback"));
}

QString htmlTemplate(QStringView)
{
    return QStringLiteral("<html>%4</html>");
}

TEST(SettingsStore, builtInTemplateIsEscapedInTheFile)
{
    setBuiltInTextProvider(&htmlTemplate);
    SettingsStore store(QStringLiteral("/nonexistent-folder"));
    EXPECT_EQ(store.getString(QStringLiteral("HTMLIndexPage")), QStringLiteral("<html>%4</html>"));
    store.setString(QStringLiteral("HTMLIndexPage"), QString());
    const QByteArray file = store.serialize();
    setBuiltInTextProvider(nullptr);
    EXPECT_TRUE(file.contains(">__&lt;__html__&gt;__%4__&lt;__/html__&gt;__</c>"));
    EXPECT_EQ(loadedFrom(TextFileReader::decode(file)).getString(QStringLiteral("HTMLIndexPage")),
              QStringLiteral("<html>%4</html>"));
}

TEST(SettingsStore, flagsAreStoredAsBitNumbers)
{
    SettingsStore store(QStringLiteral("/nonexistent-folder"));
    const struct {
        uint64_t flag;
        int stored;
        uint64_t readBack;
    } cases[] = {{1, 0, 1}, {2, 1, 2}, {128, 7, 128}, {0, 0, 1}, {uint64_t(1) << 63, 63, uint64_t(1) << 63}, {6, 2, 4}};
    for (const auto& c : cases) {
        store.setFlag(QStringLiteral("Screen"), c.flag);
        EXPECT_EQ(store.getIntRaw(QStringLiteral("Screen"), -1), c.stored) << c.flag;
        EXPECT_EQ(store.getFlag(QStringLiteral("Screen"), 1), c.readBack) << c.flag;
    }
    EXPECT_EQ(store.getFlag(QStringLiteral("OptionsSelection"), 128), 128u);
    EXPECT_EQ(store.getIntRaw(QStringLiteral("OptionsSelection"), -1), 7); // default stored as its bit number
    // Regression: a stored number outside 0..63 would shift out of range.
    for (int stored : {64, 1000, -1, -2147483647 - 1}) {
        store.setIntRaw(QStringLiteral("JpegMode"), stored);
        EXPECT_EQ(store.getFlag(QStringLiteral("JpegMode"), 2), 2u) << stored;
    }
}

TEST(SettingsStore, binValuesDecodeLowerCaseHexOnly)
{
    const struct {
        const char* text;
        QByteArray bytes;
    } cases[] = {
        {"0A1b", QByteArray("\x00\x1b", 2)}, // capital A counts 0
        {"ff00e", QByteArray("\xff\x00", 2)}, // odd last character ignored
        {"zz", QByteArray("\x00", 1)},
    };
    for (const auto& c : cases) {
        SettingsStore store = loadedFrom(QStringLiteral("<Settings><c Attr=\"B\" Type=\"bin\">")
                                         + QString::fromLatin1(c.text) + QStringLiteral("</c>"));
        QByteArray bytes("unchanged");
        ASSERT_TRUE(store.getBin(QStringLiteral("B"), bytes)) << c.text;
        EXPECT_EQ(bytes, c.bytes) << c.text;
    }
    // One hex digit gives an empty block, which is left out of the file.
    SettingsStore oneDigit = loadedFrom(QStringLiteral("<Settings><c Attr=\"B\" Type=\"bin\">7</c>"));
    QByteArray empty("unchanged");
    EXPECT_TRUE(oneDigit.getBin(QStringLiteral("B"), empty));
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(oneDigit.serialize().contains("Attr=\"B\""));

    SettingsStore store = loadedFrom(QString());
    QByteArray untouched("unchanged");
    EXPECT_FALSE(store.getBin(QStringLiteral("B"), untouched));
    EXPECT_EQ(untouched, QByteArray("unchanged"));
}

TEST(SettingsStore, stringListsDropBlanksAndEmptyItems)
{
    SettingsStore store(QStringLiteral("/nonexistent-folder"));
    store.setStringList(QStringLiteral("AdressList"),
                        {QStringLiteral("  /a "), QString(), QStringLiteral("   "), QStringLiteral("/b")}, u'|');
    EXPECT_TRUE(store.serialize().contains(">/a|/b|</c>"));
    EXPECT_EQ(store.getStringList(QStringLiteral("AdressList"), u'|'), QStringList({QStringLiteral("/a"), QStringLiteral("/b")}));

    SettingsStore loaded = loadedFrom(QStringLiteral("<Settings><c Attr=\"L\" Type=\"string\">|x|| y |</c>"));
    EXPECT_EQ(loaded.getStringList(QStringLiteral("L"), u'|'), QStringList({QStringLiteral("x"), QStringLiteral("y")}));
    EXPECT_TRUE(loaded.getStringList(QStringLiteral("Missing"), u'|').isEmpty());
}

TEST(SettingsStore, recordsWithMissingTrailingNumbersKeepDefaults)
{
    SettingsStore store = loadedFrom(QStringLiteral("<Settings><c Attr=\"HTMLResize\" Type=\"string\">0;0;800;600</c>"));
    ResizeSettings expected;
    expected.enabled = false;
    expected.fixedSize = false;
    expected.width = 800;
    expected.height = 600;
    EXPECT_EQ(store.getRecord(QStringLiteral("HTMLResize"), ResizeSettings{}), expected);
    EXPECT_EQ(store.getRecord(QStringLiteral("Resize"), ResizeSettings{}), ResizeSettings{});
}

TEST(SettingsStore, seasonalColoursShowButAreNeverSaved)
{
    const QString file = QStringLiteral("<Settings><c Attr=\"TextColor\" Type=\"int\">255</c>"
                                        "<c Attr=\"BackgroundColor\" Type=\"int\">65280</c>");
    SettingsStore store = loadedFrom(file, kSeasonalDay);
    EXPECT_EQ(store.getInt(QStringLiteral("TextColor"), -1), 33023); // orange
    EXPECT_EQ(store.getInt(QStringLiteral("BackgroundColor"), -1), 0);
    EXPECT_EQ(store.getInt(QStringLiteral("BackgroundColorFullScreen"), -1), 0);

    const QByteArray saved = store.serialize();
    EXPECT_TRUE(saved.contains("<c Attr=\"TextColor\" Type=\"int\">255</c>"));
    EXPECT_TRUE(saved.contains("<c Attr=\"BackgroundColor\" Type=\"int\">65280</c>"));
    EXPECT_TRUE(saved.contains("<c Attr=\"BackgroundColorFullScreen\" Type=\"int\">0</c>"));
    EXPECT_FALSE(saved.contains("BackUp"));
    EXPECT_EQ(store.getInt(QStringLiteral("TextColor"), -1), 33023); // saving does not end the season

    SettingsStore ordinary = loadedFrom(file, kOrdinaryDay);
    EXPECT_EQ(ordinary.getInt(QStringLiteral("TextColor"), -1), 255);
    EXPECT_FALSE(ordinary.contains(QStringLiteral("TextColorBackUp")));
}

TEST(SettingsStore, colourChosenOnTheSeasonalDaySurvivesTheSave)
{
    SettingsStore store = loadedFrom(QStringLiteral("<Settings><c Attr=\"TextColor\" Type=\"int\">255</c>"), kSeasonalDay);
    store.setInt(QStringLiteral("TextColor"), 123);
    store.setIntRaw(QStringLiteral("BackgroundColor"), 456);
    const QByteArray saved = store.serialize();
    EXPECT_TRUE(saved.contains("<c Attr=\"TextColor\" Type=\"int\">123</c>"));
    EXPECT_TRUE(saved.contains("<c Attr=\"BackgroundColor\" Type=\"int\">456</c>"));
    EXPECT_TRUE(saved.contains("<c Attr=\"BackgroundColorFullScreen\" Type=\"int\">0</c>"));
}

TEST(SettingsStore, namedFileIsReadOnlyAndNeverWritten)
{
    TempDir dir;
    const QByteArray original = settingsFile(QStringLiteral("  <c Attr=\"AutoShow\" Type=\"bool\">false</c>\r\n"));
    const QString named = dir.write(QStringLiteral("mine.xml"), original);
    SettingsStore store(dir.path());
    store.load(named, kOrdinaryDay);
    EXPECT_TRUE(store.readOnly());
    EXPECT_FALSE(store.getBool(QStringLiteral("AutoShow"), true));
    store.setBool(QStringLiteral("AutoShow"), true);
    store.setInt(QStringLiteral("AutoShowDelay"), 5);
    EXPECT_TRUE(store.save());
    EXPECT_EQ(vistello::test::readAll(named), original);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("vistello_LE.xml"))));
}

TEST(SettingsStore, failedSaveKeepsTheOldFile)
{
    TempDir dir;
    SettingsStore missingFolder(dir.file(QStringLiteral("no/such/folder")));
    missingFolder.setBool(QStringLiteral("FirstRun"), false);
    EXPECT_FALSE(missingFolder.save());

    const QByteArray old = settingsFile(QStringLiteral("  <c Attr=\"FirstRun\" Type=\"bool\">false</c>\r\n"));
    const QString path = dir.write(QStringLiteral("vistello_LE.xml"), old);
    SettingsStore store(dir.path());
    store.setString(QStringLiteral("HTMLtitle"), QString(50000, u'x'));

    bool written = true;
    {
        vistello::test::ScopedFileSizeLimit limit(16);
        ASSERT_TRUE(limit.active());
        written = store.save();
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(vistello::test::readAll(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary file left
}

TEST(SettingsStore, personalFolderEndsInSlash)
{
    SettingsStore store(QStringLiteral("/tmp/a"));
    EXPECT_EQ(store.personalFolder(), QStringLiteral("/tmp/a/"));
    EXPECT_FALSE(store.personalFolderGiven());
    store.setPersonalFolder(QStringLiteral("/tmp/b"));
    EXPECT_EQ(store.personalFolder(), QStringLiteral("/tmp/b/"));
    EXPECT_TRUE(store.personalFolderGiven());
    EXPECT_EQ(store.defaultFilePath(), QStringLiteral("/tmp/b/vistello_LE.xml"));

    SettingsStore looked;
    EXPECT_TRUE(looked.personalFolder().endsWith(u'/'));
    EXPECT_TRUE(looked.programFolder().endsWith(u'/'));
    EXPECT_TRUE(looked.modulePath().startsWith(looked.programFolder()));
}

} // namespace
