#include "app/startup/DisplayCheck.h"

#include "resources/StringTable.h"

#include <QStringList>
#include <initializer_list>

namespace vistello {
namespace {

constexpr int kResolutionTooLowId = 34100;
constexpr int kResolutionOkId = 34101;
constexpr int kColourDepthOkId = 34102;
constexpr int kColourDepthTooLowId = 34103;
constexpr int kMediaPlaybackOkId = 34104;
constexpr int kMediaPlaybackMissingId = 34105;

// Fills the "%d" fields of a printf-style text in order.
QString fillNumbers(const QString& pattern, std::initializer_list<qint64> numbers)
{
    QString out = pattern;
    qsizetype from = 0;
    for (qint64 number : numbers) {
        const qsizetype at = out.indexOf(QLatin1StringView("%d"), from);
        if (at < 0)
            break;
        const QString digits = QString::number(number);
        out.replace(at, 2, digits);
        from = at + digits.size();
    }
    return out;
}

} // namespace

DisplayCheckTexts buildDisplayCheck(const DisplayFacts& facts)
{
    QStringList problems;
    QStringList confirmations;

    if (facts.width < 640 || facts.height < 480)
        problems << strings::text(kResolutionTooLowId);
    else
        confirmations << fillNumbers(strings::text(kResolutionOkId), {facts.width, facts.height});

    if (facts.colourDepth > 8) {
        const int power = facts.colourDepth < 24 ? facts.colourDepth : 24;
        confirmations << fillNumbers(strings::text(kColourDepthOkId), {facts.colourDepth, qint64(1) << power});
    } else {
        problems << strings::text(kColourDepthTooLowId);
    }

    if (facts.mediaPlaybackAvailable)
        confirmations << strings::text(kMediaPlaybackOkId);
    else
        problems << strings::text(kMediaPlaybackMissingId);

    return {problems.join(QLatin1Char('\n')), confirmations.join(QLatin1Char('\n'))};
}

} // namespace vistello
