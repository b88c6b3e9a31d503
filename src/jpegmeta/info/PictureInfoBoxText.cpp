#include "jpegmeta/info/PictureInfoBoxText.h"

#include "jpegmeta/iptc/App12Text.h"
#include "jpegmeta/iptc/IptcRecord.h"
#include "jpegmeta/info/PictureInfoText.h"
#include "jpegmeta/segments/HeaderCollector.h"
#include "resources/InfoStrings.h"

namespace vistello {

namespace {

void appendSection(QString& text, int title, const MetaTextRows& rows)
{
    if (rows.empty())
        return;
    text += QStringLiteral("\n\n") + strings::text(title);
    for (const MetaTextRow& row : rows)
        text += QLatin1Char('\n') + row.name + (row.value.isEmpty() ? QString() : QLatin1Char('\t') + row.value);
}

} // namespace

QString pictureInfoBoxText(const QString& path, const QString& modifiedDate, int64_t fileSize)
{
    QString text = pictureInfoText(path, modifiedDate, fileSize).left(kMaxInfoText);
    CollectFromFile want;
    want.wantIptc = true;
    want.wantApp12 = true;
    const HeaderData header = collectHeaderData(path, want);
    appendSection(text, strings::kSectionIptc, iptcRows(parseIptc(header.iptc)));
    appendSection(text, strings::kSectionApp12, app12Rows(header.app12));
    return text.left(kMaxInfoBoxText);
}

} // namespace vistello
