#pragma once
// The text form of a ResizeSettings record: eleven numbers separated by ";"
// in the order f0;f1;i1;i2;i3;i4;f2;i5;i6;f3;i7, flags as "1" or "0".
#include "core/settings/ResizeSettings.h"

#include <QString>
#include <QStringView>

namespace vistello {

QString encodeResizeRecord(const ResizeSettings& record);

// Reads numbers until the text stops matching; the fields not reached keep
// their values from defaults. A flag is true when its number is not 0.
ResizeSettings decodeResizeRecord(QStringView text, const ResizeSettings& defaults);

} // namespace vistello
