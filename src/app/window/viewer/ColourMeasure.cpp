#include "app/window/viewer/ColourMeasure.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdint>

namespace vistello {

namespace {

QPoint clampedInto(QPoint at, QRect drawn)
{
    return {std::clamp(at.x(), drawn.left(), drawn.right() + 1), std::clamp(at.y(), drawn.top(), drawn.bottom() + 1)};
}

QString ratioText(const std::optional<double>& ratio)
{
    return ratio ? QString::number(*ratio, 'f', 3) : QStringLiteral("\u2013");
}

std::optional<double> ratio(int dividend, int divisor)
{
    if (divisor == 0)
        return std::nullopt;
    return double(dividend) / double(divisor);
}

} // namespace

QRect measureBand(QPoint origin, QPoint at, QRect drawn)
{
    if (drawn.isEmpty())
        return {};
    const QPoint a = clampedInto(origin, drawn);
    const QPoint b = clampedInto(at, drawn);
    const QPoint topLeft(std::min(a.x(), b.x()), std::min(a.y(), b.y()));
    const QPoint beyond(std::max(a.x(), b.x()), std::max(a.y(), b.y()));
    return QRect(topLeft, QSize(beyond.x() - topLeft.x(), beyond.y() - topLeft.y()));
}

std::optional<ColourAverages> averageColours(const QImage& image, QRect area)
{
    area &= image.rect();
    if (area.isEmpty())
        return std::nullopt;
    const QImage rgb = image.format() == QImage::Format_RGB888 ? image : image.convertToFormat(QImage::Format_RGB888);
    std::array<uint64_t, 3> sums{};
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* p = rgb.constScanLine(y) + 3 * area.left();
        for (int x = 0; x < area.width(); ++x, p += 3) {
            sums[0] += p[0];
            sums[1] += p[1];
            sums[2] += p[2];
        }
    }
    const uint64_t count = uint64_t(area.width()) * uint64_t(area.height());
    ColourAverages out;
    out.red = int(sums[0] / count);
    out.green = int(sums[1] / count);
    out.blue = int(sums[2] / count);
    out.greenRed = ratio(out.green, out.red);
    out.greenBlue = ratio(out.green, out.blue);
    return out;
}

QString rgbValuesText(const ColourAverages& averages)
{
    return QStringLiteral("Red: %1\nGreen: %2\nBlue: %3\nGreen/Red: %4\nGreen/Blue: %5\n\n"
                          "Would you like to add the red/blue multipliers to the Raw settings?")
        .arg(averages.red)
        .arg(averages.green)
        .arg(averages.blue)
        .arg(ratioText(averages.greenRed), ratioText(averages.greenBlue));
}

QString rawPropertyWithMultipliers(const QString& property, double greenRed, double greenBlue)
{
    // Read like a scanf of the same format: the first unreadable field ends it.
    std::array<int, 3> whole{0, 0, 0};
    std::array<double, 4> real{0.6, 1.0, 1.0, 1.0};
    const QStringList fields = property.split(QLatin1Char(';'));
    bool ok = true;
    for (int i = 0; ok && i < std::min<int>(int(fields.size()), 7); ++i) {
        const QString field = fields[i].trimmed();
        if (i < 3) {
            const int value = field.toInt(&ok);
            if (ok)
                whole[i] = value;
        } else {
            const double value = field.toDouble(&ok);
            if (ok)
                real[i - 3] = value;
        }
    }
    real[2] = greenRed;
    real[3] = greenBlue;
    return QString::asprintf("%d;%d;%d;%f;%f;%f;%f", whole[0], whole[1], whole[2], real[0], real[1], real[2], real[3]);
}

bool offerRawMultipliers(Prompts& prompts, SettingsStore& settings, const ColourAverages& averages)
{
    const PictureFileType* raw = PictureFileTypes::instance().typeOf(u".raw");
    const bool usable = averages.ratiosKnown() && raw && !raw->formatName.isEmpty();
    PromptQuestion question{QStringLiteral("RGB values"), rgbValuesText(averages), PromptButtons::YesNo,
                            PromptAnswer::No, {}};
    question.yesEnabled = usable;
    if (prompts.ask(question).answer != PromptAnswer::Yes || !usable)
        return false;
    const QString key = raw->formatName + QStringLiteral("_property");
    const QString property = rawPropertyWithMultipliers(settings.getString(key), *averages.greenRed, *averages.greenBlue);
    settings.setString(key, property);
    if (raw->setProperties)
        raw->setProperties(property);
    return true;
}

} // namespace vistello
