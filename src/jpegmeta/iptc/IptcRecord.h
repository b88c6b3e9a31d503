#pragma once
// The application-record datasets of an APP13 IPTC block, decoded to text.
#include "jpegmeta/iptc/MetaTextRow.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>

namespace vistello {

struct IptcRecord {
    // Single datasets by number (100 and 101 both land in 101, the later wins);
    // dataset 55 already as a long date.
    std::map<int, QString> texts;
    QStringList supplementalCategories; // dataset 20
    QStringList keywords;               // dataset 25

    bool has(int dataset) const { return texts.count(dataset) != 0; }
    QString text(int dataset) const;
    bool isEmpty() const { return texts.empty() && supplementalCategories.isEmpty() && keywords.isEmpty(); }
};

// Scans the payload for datasets. Only record 2 is taken; an envelope dataset
// 1:90 of ESC % G makes the texts UTF-8, otherwise they are Latin-1.
IptcRecord parseIptc(const QByteArray& payload);

// The rows with their group headings.
MetaTextRows iptcRows(const IptcRecord& record);

} // namespace vistello
