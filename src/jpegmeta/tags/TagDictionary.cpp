#include "jpegmeta/tags/TagDictionary.h"

#include "jpegmeta/tags/CanonTags.h"
#include "jpegmeta/tags/CasioTags.h"
#include "jpegmeta/tags/FujiTags.h"
#include "jpegmeta/tags/KindDictionary.h"
#include "jpegmeta/tags/NikonTags.h"
#include "jpegmeta/tags/OlympusTags.h"
#include "jpegmeta/tags/StandardFormatters.h"
#include "jpegmeta/tags/StandardTagNames.h"

namespace vistello {

namespace {

using namespace tags;

// Directory kinds the dictionary knows, one row each.
constexpr KindDictionary kDictionaries[] = {
    {IfdKind::Ifd0, kNoPrefix, kMainTagNames, formatStandardInteger, formatStandardRational, formatStandardComposite},
    {IfdKind::ExifIfd, kNoPrefix, kMainTagNames, formatStandardInteger, formatStandardRational, formatStandardComposite},
    {IfdKind::GpsIfd, kNoPrefix, kMainTagNames, formatStandardInteger, formatStandardRational, formatStandardComposite},
    {IfdKind::Ifd1, kNoPrefix, kMainTagNames, formatStandardInteger, formatStandardRational, formatStandardComposite},
    {IfdKind::InteropIfd, kNoPrefix, kInteropTagNames, nullptr, nullptr, nullptr},
    {IfdKind::CanonNote, kMakerNotePrefix, kCanonNoteNames, formatCanonNoteInteger, nullptr, nullptr},
    {IfdKind::CanonCameraSettings, kMakerArrayPrefix, kCanonCameraSettingsNames, formatCanonCameraSettingsInteger, nullptr, nullptr},
    {IfdKind::CanonShotInfo, kMakerArrayPrefix, kCanonShotInfoNames, formatCanonShotInfoInteger, nullptr, nullptr},
    {IfdKind::CanonCustomFunctions, kMakerArrayPrefix, kCanonCustomFunctionNames, formatCanonCustomFunctionInteger, nullptr, nullptr},
    {IfdKind::NikonNoteWithHeader, kMakerNotePrefix, kNikonHeaderNoteNames, formatNikonHeaderNoteInteger, formatNikonHeaderNoteRational, nullptr},
    {IfdKind::NikonNoteWithoutHeader, kMakerNotePrefix, kNikonNoteNames, formatNikonNoteInteger, nullptr, formatNikonNoteComposite},
    {IfdKind::OlympusNote, kMakerNotePrefix, kOlympusNoteNames, formatOlympusNoteInteger, nullptr, formatOlympusNoteComposite},
    {IfdKind::CasioNote, kMakerNotePrefix, kCasioNoteNames, formatCasioNoteInteger, nullptr, nullptr},
    {IfdKind::FujiNote, kMakerNotePrefix, kFujiNoteNames, formatFujiNoteInteger, nullptr, nullptr},
};

const KindDictionary* dictionaryOf(IfdKind kind)
{
    for (const KindDictionary& d : kDictionaries)
        if (d.kind == kind)
            return &d;
    return nullptr;
}

} // namespace

QString tagName(uint16_t tag, IfdKind kind)
{
    const KindDictionary* d = dictionaryOf(kind);
    const char16_t* name = d ? findName(d->names, tag) : nullptr;
    if (!name)
        return {};
    return QString::fromUtf16(d->prefix) + QString::fromUtf16(name);
}

QString formatInteger(uint16_t tag, IfdKind kind, const IntegerValue& value)
{
    const KindDictionary* d = dictionaryOf(kind);
    return d && d->integer ? d->integer(tag, value) : QString();
}

QString formatRational(uint16_t tag, IfdKind kind, int32_t numerator, int32_t denominator)
{
    const KindDictionary* d = dictionaryOf(kind);
    return d && d->rational ? d->rational(tag, numerator, denominator) : QString();
}

QString formatComposite(const TiffBlock& block, const ExifEntry& entry, IfdKind kind)
{
    const KindDictionary* d = dictionaryOf(kind);
    if (!d || !d->composite)
        return {};
    const EntryValues values(block, entry);
    return values.shown() ? d->composite(block, entry, values) : QString();
}

} // namespace vistello
