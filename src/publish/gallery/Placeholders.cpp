#include "publish/gallery/Placeholders.h"

namespace vistello {

namespace {

int digitAt(QStringView text, qsizetype i)
{
    return i < text.size() && text[i] >= u'0' && text[i] <= u'9' ? text[i].unicode() - u'0' : -1;
}

} // namespace

QString fillPlaceholders(QStringView text, const QStringList& values)
{
    QString out;
    out.reserve(text.size());
    const qsizetype count = values.size();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') {
            out.append(text[i]);
            continue;
        }
        const int first = digitAt(text, i + 1);
        const int second = digitAt(text, i + 2);
        if (first >= 1 && second >= 0 && first * 10 + second <= count) {
            out.append(values[first * 10 + second - 1]);
            i += 2;
        } else if (first >= 1 && first <= count) {
            out.append(values[first - 1]);
            i += 1;
        } else {
            out.append(text[i]);
        }
    }
    return out;
}

} // namespace vistello
