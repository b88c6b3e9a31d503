#include "core/prompts/FileDialogFilter.h"

namespace vistello {

QStringList dialogNameFilters(const QString& filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter.isEmpty() ? QStringList() : QStringList{filter};
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')).simplified();
        if (patterns.isEmpty())
            continue;
        // The description's own "(…)" gives way to the patterns.
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open >= 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        filters.append(description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}

} // namespace vistello
