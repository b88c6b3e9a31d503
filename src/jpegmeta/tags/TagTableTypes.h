#pragma once
// Row types of the tag dictionary's constexpr tables and their lookups. Every
// table is sorted by its key so that lookups are binary searches and the
// order can be checked at compile time.
#include <QString>
#include <algorithm>
#include <cstdint>
#include <span>

namespace vistello::tags {

struct TagNameRow {
    uint16_t tag;
    const char16_t* name;
};

struct ValueText {
    uint32_t value;
    const char16_t* text;
};

// The texts of one enumerated tag.
struct TagValues {
    uint16_t tag;
    std::span<const ValueText> values;
};

template <typename Row, typename Key>
constexpr bool isSortedBy(std::span<const Row> rows, Key Row::*key)
{
    for (size_t i = 1; i < rows.size(); ++i)
        if (!(rows[i - 1].*key < rows[i].*key))
            return false;
    return true;
}

template <typename Row, typename Key>
constexpr const Row* findRow(std::span<const Row> rows, Key Row::*key, Key wanted)
{
    auto it = std::lower_bound(rows.begin(), rows.end(), wanted,
                               [key](const Row& row, Key k) { return row.*key < k; });
    return it != rows.end() && (*it).*key == wanted ? &*it : nullptr;
}

// The name of tag in a name table, or nullptr.
constexpr const char16_t* findName(std::span<const TagNameRow> names, uint16_t tag)
{
    const TagNameRow* row = findRow(names, &TagNameRow::tag, tag);
    return row ? row->name : nullptr;
}

// The text of value in one value table; empty when it is not listed.
inline QString valueText(std::span<const ValueText> values, uint32_t value)
{
    for (const ValueText& row : values)
        if (row.value == value)
            return QString::fromUtf16(row.text);
    return {};
}

// The text of value for tag in an enumeration table; empty when either is not listed.
inline QString enumerationText(std::span<const TagValues> tables, uint16_t tag, uint32_t value)
{
    const TagValues* table = findRow(tables, &TagValues::tag, tag);
    return table ? valueText(table->values, value) : QString();
}

} // namespace vistello::tags
