#include "core/settings/ResizeRecordCodec.h"

#include "core/settings/LeadingInt.h"

#include <QStringList>
#include <variant>

namespace vistello {
namespace {

using Field = std::variant<bool ResizeSettings::*, int ResizeSettings::*>;

// The order of the numbers in the text.
const Field kFieldOrder[] = {
    &ResizeSettings::enabled,
    &ResizeSettings::fixedSize,
    &ResizeSettings::width,
    &ResizeSettings::height,
    &ResizeSettings::ratioNumerator,
    &ResizeSettings::ratioDenominator,
    &ResizeSettings::qualityGiven,
    &ResizeSettings::lumaQuality,
    &ResizeSettings::chromaQuality,
    &ResizeSettings::sizeLimitGiven,
    &ResizeSettings::sizeLimitKilobytes,
};

} // namespace

QString encodeResizeRecord(const ResizeSettings& record)
{
    QStringList parts;
    for (const Field& field : kFieldOrder) {
        if (const auto* flag = std::get_if<bool ResizeSettings::*>(&field))
            parts << QString::number(record.**flag ? 1 : 0);
        else
            parts << QString::number(record.*std::get<int ResizeSettings::*>(field));
    }
    return parts.join(u';');
}

ResizeSettings decodeResizeRecord(QStringView text, const ResizeSettings& defaults)
{
    ResizeSettings record = defaults;
    qsizetype pos = 0;
    bool first = true;
    for (const Field& field : kFieldOrder) {
        if (!first) {
            if (pos >= text.size() || text[pos] != u';')
                break;
            ++pos;
        }
        first = false;
        const LeadingInt number = scanLeadingInt(text, pos);
        if (!number.hasDigits)
            break;
        pos = number.end;
        if (const auto* flag = std::get_if<bool ResizeSettings::*>(&field))
            record.**flag = number.value != 0;
        else
            record.*std::get<int ResizeSettings::*>(field) = number.value;
    }
    return record;
}

} // namespace vistello
