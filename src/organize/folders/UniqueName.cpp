#include "organize/folders/UniqueName.h"

namespace vistello {

QString uniqueLabel(const QString& base, const std::function<bool(const QString& label)>& taken)
{
    if (!taken(base))
        return base;
    for (int n = 2;; ++n) {
        const QString label = QStringLiteral("%1 (%2)").arg(base).arg(n);
        if (!taken(label))
            return label;
    }
}

} // namespace vistello
