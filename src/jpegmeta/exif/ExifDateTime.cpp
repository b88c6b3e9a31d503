#include "jpegmeta/exif/ExifDateTime.h"

namespace vistello {

namespace {
int digits(const uint8_t* p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i)
        v = v * 10 + (int(p[i]) - 0x30);
    return v;
}
} // namespace

std::optional<QDateTime> parseExifDateTime(const uint8_t* text)
{
    const int year = digits(text, 4);
    const QDate date(year, digits(text + 5, 2), digits(text + 8, 2));
    const QTime time(digits(text + 11, 2), digits(text + 14, 2), digits(text + 17, 2));
    // File times begin in 1601; all-zero and other impossible dates give nothing.
    if (year < 1601 || year > 9999 || !date.isValid() || !time.isValid())
        return std::nullopt;
    QDateTime local(date, time);
    // A clock time that the local zone skips (the hour a clock springs
    // forward) is taken as the time just after the gap.
    if (!local.isValid())
        local = QDateTime(date, QTime(0, 0)).addSecs(QTime(0, 0).secsTo(time));
    if (!local.isValid())
        return std::nullopt;
    return local;
}

std::optional<QDateTime> readExifDateTime(const TiffBlock& block, const ExifEntry& entry)
{
    if (entry.count != 20)
        return std::nullopt;
    const uint8_t* text = block.at(entry.value, 20);
    return text ? parseExifDateTime(text) : std::nullopt;
}

} // namespace vistello
