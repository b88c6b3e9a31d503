#include "jpegmeta/iptc/IptcRecord.h"

#include <QDate>
#include <QLocale>
#include <vector>

namespace vistello {

namespace {

constexpr char kTagMarker = 0x1C;
constexpr int kHeaderSize = 5; // marker, record, dataset, 16-bit length
constexpr int kApplicationRecord = 2;
constexpr int kEnvelopeRecord = 1;
constexpr int kCodedCharacterSet = 90;

struct RawDataset {
    int number;
    QByteArray bytes;
};

bool isKnownDataset(int n)
{
    switch (n) {
    case 5: case 10: case 15: case 20: case 25: case 40: case 55: case 80: case 85: case 90: case 95:
    case 100: case 101: case 103: case 105: case 110: case 115: case 116: case 120: case 122:
        return true;
    default:
        return false;
    }
}

int digit(const QByteArray& b, int i) { return i < b.size() ? b[i] - '0' : 0; }

// CCYYMMDD without validation; digits that make no date keep their text.
QString longDateText(const QByteArray& bytes, bool utf8)
{
    const int year = 1000 * digit(bytes, 0) + 100 * digit(bytes, 1) + 10 * digit(bytes, 2) + digit(bytes, 3);
    const int month = 10 * digit(bytes, 4) + digit(bytes, 5);
    const int day = 10 * digit(bytes, 6) + digit(bytes, 7);
    const QDate date(year, month, day);
    if (!date.isValid())
        return utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    return QLocale::system().toString(date, QLocale::LongFormat);
}

} // namespace

QString IptcRecord::text(int dataset) const
{
    const auto it = texts.find(dataset);
    return it == texts.end() ? QString() : it->second;
}

IptcRecord parseIptc(const QByteArray& payload)
{
    std::vector<RawDataset> found;
    bool utf8 = false;
    const qsizetype size = payload.size();
    qsizetype a = 0;
    while (a < size) {
        if (payload[a] != kTagMarker) {
            ++a;
            continue;
        }
        // The whole header must lie inside the block before it is read.
        if (a + kHeaderSize > size)
            break;
        const int record = uint8_t(payload[a + 1]);
        const int number = uint8_t(payload[a + 2]);
        const qsizetype length = (qsizetype(uint8_t(payload[a + 3])) << 8) | uint8_t(payload[a + 4]);
        const qsizetype start = a + kHeaderSize;
        if (start + length > size) {
            a = start;
            continue;
        }
        const QByteArray data = payload.mid(start, length);
        if (record == kEnvelopeRecord && number == kCodedCharacterSet)
            utf8 = data == QByteArray("\x1b%G", 3);
        else if (record == kApplicationRecord && isKnownDataset(number))
            found.push_back({number, data});
        a = start + length;
    }

    IptcRecord r;
    for (const RawDataset& d : found) {
        if (d.number == 55) {
            r.texts[55] = longDateText(d.bytes, utf8);
            continue;
        }
        const QString text = utf8 ? QString::fromUtf8(d.bytes) : QString::fromLatin1(d.bytes);
        if (d.number == 20)
            r.supplementalCategories.append(text);
        else if (d.number == 25)
            r.keywords.append(text);
        else
            r.texts[d.number == 100 ? 101 : d.number] = text;
    }
    return r;
}

} // namespace vistello
