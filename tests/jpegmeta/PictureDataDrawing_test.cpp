// What the picture-data list draws besides its texts: row colours, the bold
// model, blank and title items, the orientation pictograms and the
// colour-filter grid, whose size and values come from the file.
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/info/PictureDataDrawing.h"

#include <gtest/gtest.h>

using namespace vistello;
using test::TiffBytes;

namespace {

// IFD0 {Orientation, ExifIFD -> {CFAPattern with these bytes}}.
std::vector<PictureDataRow> rowsWith(uint16_t orientation, const QByteArray& cfa, bool little = true)
{
    TiffBytes t(little);
    t.directory(8, 2);
    t.shortEntry(8, 0, 0x0112, orientation);
    t.entry(8, 1, 0x8769, 4, 1, 100);
    t.directory(100, 1);
    t.entry(100, 0, 0xA302, 7, uint32_t(cfa.size()), cfa.size() > 4 ? 200 : 0);
    if (cfa.size() > 4)
        t.putRaw(200, cfa);
    else
        t.putRaw(100 + 2 + 8, cfa);
    ExifData tree;
    tree.parse(t.bytes, 0);
    return exifRows(tree);
}

QByteArray cfaBytes(uint16_t columns, uint16_t rows, QByteArray values)
{
    const char head[4] = {char(columns & 0xFF), char(columns >> 8), char(rows & 0xFF), char(rows >> 8)}; // little-endian
    return QByteArray(head, 4) + values;
}

const PictureDataRow* rowTagged(const std::vector<PictureDataRow>& rows, const char* name)
{
    for (const PictureDataRow& row : rows)
        if (row.name == QLatin1String(name))
            return &row;
    return nullptr;
}

TEST(PictureDataDrawing, RowColoursByKind)
{
    // The documented table, row by row: IPTC, IFD0, EXIF, GPS, IFD1, the
    // maker notes 7 to 15, and light grey for every other kind.
    struct Band {
        int first;
        int last;
        QColor colour;
    };
    const Band documented[] = {{1, 1, QColor(0xFF, 0xCC, 0x00)}, {2, 2, QColor(0xFF, 0xFF, 0xCC)},
                               {3, 3, QColor(0xCC, 0xCC, 0xFF)}, {4, 4, QColor(0xCC, 0xFF, 0xFF)},
                               {5, 5, QColor(0xFF, 0xCC, 0xCC)}, {7, 15, QColor(0x99, 0xCC, 0xFF)}};
    for (int kind = -2; kind <= 300; ++kind) {
        QColor expected(0xCC, 0xCC, 0xCC);
        for (const Band& band : documented)
            if (kind >= band.first && kind <= band.last)
                expected = band.colour;
        EXPECT_EQ(pictureDataRowColour(kind), expected) << kind;
    }
    EXPECT_TRUE(drawsValueBold({"Model", "X100", 2}));
    EXPECT_FALSE(drawsValueBold({"Make", "Model", 2}));
}

TEST(PictureDataDrawing, SectionsStartWithTwoBlankItemsAndRoomForTheThumbnail)
{
    PictureDataSections sections;
    sections.exif = {{"Make", "A", 2}, {"Compression", "JPEG", 5}, {"X-Resolution", "72", 5}};
    sections.comment = {{"Comment", "hello", 0}};
    using T = PictureDataItem::Type;
    std::vector<T> types;
    for (const PictureDataItem& item : pictureDataItems(sections, 4))
        types.push_back(item.type);
    EXPECT_EQ(types, (std::vector<T>{T::Blank, T::Title, T::Row, T::Row, T::Row, T::Blank, T::Blank, T::Blank, T::Title,
                                     T::Row}));
    EXPECT_EQ(pictureDataItems(sections)[1].title, QStringLiteral("EXIF"));
    EXPECT_EQ(rowsForHeight(100, 18), 6);
}

// The pictograms were once indexed by the file's value: nothing outside 1..8 is outlined.
TEST(PictureDataDrawing, OrientationOutsideOneToEightOutlinesNothing)
{
    for (uint32_t value : {0u, 9u, 99u, 0xFFFFu}) {
        PictureDataRow row("Orientation", "x", 2);
        row.orientation = value;
        const auto all = orientationPictograms(row);
        ASSERT_EQ(all.size(), 8u);
        EXPECT_TRUE(std::none_of(all.begin(), all.end(), [](const auto& p) { return p.outlined; })) << value;
        row.kind = 5;
        EXPECT_TRUE(orientationPictograms(row).empty()) << value;
    }
    const std::vector<PictureDataRow> rows = rowsWith(6, cfaBytes(2, 2, "\0\1\1\2"));
    const PictureDataRow* row = rowTagged(rows, "Orientation");
    ASSERT_TRUE(row && row->orientation);
    const auto pictograms = orientationPictograms(*row);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(pictograms[size_t(i)].outlined, i + 1 == 6);
}

// The grid's size comes from the file: drawn only with all w x h values present and w x h <= 64.
TEST(PictureDataDrawing, ColourFilterGridGuards)
{
    struct Case {
        QByteArray bytes;
        bool little;
        int columns; // 0: no grid
        int rows;
    };
    const Case cases[] = {
        {cfaBytes(2, 2, QByteArray("\0\1\1\2", 4)), true, 2, 2},
        {QByteArray("\0\2\0\2\0\1\1\2", 8), true, 2, 2},                 // big-endian size in a little-endian block
        {cfaBytes(2, 2, QByteArray("\0\1\1", 3)), true, 0, 0},           // a value missing
        {cfaBytes(65535, 65535, QByteArray(64, '\1')), true, 0, 0},
        {QByteArray("\0\x10\0\4", 4) + QByteArray(64, '\1'), false, 16, 4}, // 64 cells
        {cfaBytes(9, 8, QByteArray(72, '\1')), true, 0, 0},
        {cfaBytes(0, 4, QByteArray(8, '\1')), true, 0, 0},
        {QByteArray("\0\2\0\1\7\x2A", 6), false, 2, 1},
    };
    for (const Case& c : cases) {
        const std::vector<PictureDataRow> rows = rowsWith(1, c.bytes, c.little);
        const PictureDataRow* row = rowTagged(rows, "CFA pattern");
        ASSERT_TRUE(row) << c.bytes.toHex().toStdString();
        EXPECT_EQ(row->colourFilter.has_value(), c.columns > 0) << c.bytes.toHex().toStdString();
        if (!row->colourFilter)
            continue;
        EXPECT_EQ(row->colourFilter->columns, c.columns);
        EXPECT_EQ(row->colourFilter->rows, c.rows);
    }
    const auto grid = rowTagged(rowsWith(1, cases[7].bytes, false), "CFA pattern")->colourFilter;
    EXPECT_EQ(colourFilterColour(grid->cell(0, 0)), QColor(128, 128, 128)); // values above 6
    EXPECT_EQ(colourFilterColour(grid->cell(0, 1)), QColor(128, 128, 128));
    // Pattern values 0 to 6 in the colours their names in the value text say:
    // red, green, blue, cyan, magenta, yellow, white.
    const QColor named[] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},    {0, 255, 255},
                            {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    for (uint8_t value = 0; value < 7; ++value)
        EXPECT_EQ(colourFilterColour(value), named[value]) << int(value);
    EXPECT_EQ(colourFilterColour(7), QColor(128, 128, 128));
    EXPECT_EQ(colourFilterColour(255), QColor(128, 128, 128));
    EXPECT_EQ(colourFilterCellRect(QRect(10, 20, 16, 16), *grid, 0, 1), QRect(18, 20, 8, 16));
}

} // namespace
