#include "core/settings/StringNormalization.h"

#include "core/settings/NumberPattern.h"

#include <atomic>
#include <string_view>

namespace vistello {
namespace {

enum class StringRule {
    ListExtension,   // picture-list extension with a leading "."
    FolderPath,      // non-empty folders end in "/"
    NumberedName,    // one number placeholder, else "index%d.jpg"
    HtmlFileName,    // "index.html" when empty, ".html" when without extension
    BuiltInTemplate, // empty reads as the registered template
};

struct StringRuleRow {
    std::u16string_view key;
    StringRule rule;
};

constexpr StringRuleRow kStringRules[] = {
    {u"PictureListExtension", StringRule::ListExtension},
    {u"PanoramaSplitTargetFolder", StringRule::FolderPath},
    {u"IndexTargetFolder", StringRule::FolderPath},
    {u"HTMLTargetFolder", StringRule::FolderPath},
    {u"IndexFileName", StringRule::NumberedName},
    {u"HTMLTargetFileName", StringRule::HtmlFileName},
    {u"HTMLIndexPage", StringRule::BuiltInTemplate},
    {u"HTMLPicturePage", StringRule::BuiltInTemplate},
};

std::atomic<BuiltInTextProvider> g_templateProvider{nullptr};

const StringRuleRow* findRule(QStringView key)
{
    const std::u16string_view wanted(key.utf16(), static_cast<size_t>(key.size()));
    for (const StringRuleRow& row : kStringRules)
        if (row.key == wanted)
            return &row;
    return nullptr;
}

QString apply(StringRule rule, QStringView key, const QString& value)
{
    switch (rule) {
    case StringRule::ListExtension:
        if (value.size() <= 1)
            return QStringLiteral(".csv");
        return value.startsWith(u'.') ? value : QLatin1Char('.') + value;
    case StringRule::FolderPath:
        return (value.isEmpty() || value.endsWith(u'/')) ? value : value + QLatin1Char('/');
    case StringRule::NumberedName:
        return isValidNumberPattern(value) ? value : QStringLiteral("index%d.jpg");
    case StringRule::HtmlFileName:
        if (value.isEmpty())
            return QStringLiteral("index.html");
        return value.contains(u'.') ? value : value + QStringLiteral(".html");
    case StringRule::BuiltInTemplate:
        if (value.isEmpty()) {
            if (const BuiltInTextProvider provider = g_templateProvider.load())
                return provider(key);
        }
        return value;
    }
    return value;
}

} // namespace

QString normalizeSettingString(QStringView key, const QString& value)
{
    const StringRuleRow* row = findRule(key);
    return row ? apply(row->rule, key, value) : value;
}

void setBuiltInTextProvider(BuiltInTextProvider provider)
{
    g_templateProvider.store(provider);
}

} // namespace vistello
