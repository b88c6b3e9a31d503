#include "core/lists/PathCollation.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>

namespace vistello {

QCollator pathCollator()
{
    QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    return collator;
}

namespace {

// Sorts indices into paths; comparing precomputed keys keeps 20,000 names
// fast, where calling the collator on every comparison would not be.
template <typename Container>
std::vector<qsizetype> sortedOrder(const Container& paths)
{
    const QCollator collator = pathCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(paths.size()));
    for (const QString& p : paths)
        keys.push_back(collator.sortKey(p));

    std::vector<qsizetype> order(size_t(paths.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int c = keys[size_t(a)].compare(keys[size_t(b)]);
        if (c != 0)
            return c < 0;
        return paths[a] < paths[b];
    });
    return order;
}

template <typename Container>
void applyOrder(Container& paths, const std::vector<qsizetype>& order)
{
    Container sorted;
    sorted.reserve(paths.size());
    for (qsizetype i : order)
        sorted.push_back(std::move(paths[i]));
    paths = std::move(sorted);
}

} // namespace

void sortPaths(std::vector<QString>& paths)
{
    if (paths.size() > 1)
        applyOrder(paths, sortedOrder(paths));
}

void sortPaths(QStringList& paths)
{
    if (paths.size() > 1)
        applyOrder(paths, sortedOrder(paths));
}

} // namespace vistello
