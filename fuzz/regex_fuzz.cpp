// Compiles arbitrary pattern bytes in the search dialect (the first byte
// chooses the flags) and runs every pattern that compiles over a fixed text
// and over itself: no crash, no hang, and a refused pattern always says why.
#include "organize/regex/SearchPattern.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistello;
    if (size == 0)
        return 0;
    const unsigned flags = data[0] & (RegexNoCase | RegexMultiLine | RegexSingleLine | RegexExtended);
    const QString pattern = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const SearchPattern compiled = SearchPattern::compile(pattern, flags);
    if (!compiled.isValid()) {
        if (compiled.errorMessage().isEmpty())
            std::abort();
        return 0;
    }
    static const QString text = QStringLiteral("IMG_0001.JPG\nSunset at sea, 2004-01-01 \u00e9t\u00e9 aaaaaaaaaaaaaaaaaaaa!");
    compiled.countMatches(text);
    compiled.countMatches(pattern);
    return 0;
}
