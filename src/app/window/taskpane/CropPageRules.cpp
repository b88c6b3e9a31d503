#include "app/window/taskpane/CropPageRules.h"

#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"

#include <numeric>

namespace vistello {

namespace {

// The ratio an unlocked page shows for a size: both parts over their gcd.
CropRatio shapeOf(int w, int h)
{
    return reducedRatio(w, h, false);
}

} // namespace

CropPageRules::CropPageRules(const CropFrame& frame, const CropRatio& viewerRatio)
    : frame_(frame.sanitised())
    , ratio_(viewerRatio.locked ? viewerRatio.clamped() : shapeOf(frame_.width, frame_.height))
    , selection_(normaliseTyped({0, 0, 1, 1}, CropEdit::Width, frame_, ratio_))
{
}

CropFieldTexts CropPageRules::texts() const
{
    CropFieldTexts t;
    t.values = {QString::number(selection_.w), QString::number(selection_.h), QString::number(selection_.x),
                QString::number(selection_.y), shortForm(selection_)};
    t.ratioZ = QString::number(ratio_.z);
    t.ratioN = QString::number(ratio_.n);
    t.widthNote = QStringLiteral("(%1)").arg(frame_.width);
    t.heightNote = QStringLiteral("(%1)").arg(frame_.height);
    t.leftNote = QStringLiteral("(@%1)").arg(frame_.blockW);
    t.topNote = QStringLiteral("(@%1)").arg(frame_.blockH);
    return t;
}

void CropPageRules::fromViewer(const CropSelection& selection)
{
    selection_ = normaliseTyped(selection, CropEdit::None, frame_, ratio_);
    if (!ratio_.locked) {
        const bool unset = selection_.w == 1 && selection_.h == 1;
        ratio_ = unset ? shapeOf(frame_.width, frame_.height) : shapeOf(selection_.w, selection_.h);
    }
}

void CropPageRules::typed(int id, const std::array<QString, 5>& edits, int caret)
{
    if (id == int(CropEdit::ShortForm)) {
        selection_ = normaliseShortForm(edits[4], caret, frame_, ratio_);
        return;
    }
    if (id < 1 || id > 4)
        return;
    const CropSelection values{typedValue(edits[2]), typedValue(edits[3]), typedValue(edits[0]),
                               typedValue(edits[1])};
    selection_ = normaliseTyped(values, CropEdit(id), frame_, ratio_);
}

void CropPageRules::toggleLock(const QString& zText, const QString& nText)
{
    if (ratio_.locked) {
        ratio_.locked = false;
        return;
    }
    ratio_ = reducedRatio(typedValue(zText), typedValue(nText), true);
    selection_ = fitHeightToRatio(selection_, frame_, ratio_);
}

void CropPageRules::choosePreset(int entry)
{
    ratio_ = presetRatio(entry, frame_.width, frame_.height, ratio_.locked);
    if (ratio_.locked)
        selection_ = fitHeightToRatio(selection_, frame_, ratio_);
}

bool loadCropRect(const SettingsStore& store, CropSelection& selection)
{
    QByteArray bytes;
    return store.getBin(QString::fromLatin1(setting::CropRect.name), bytes) && cropRectFromBytes(bytes, selection);
}

void storeCropRect(SettingsStore& store, const CropSelection& selection)
{
    store.setBin(QString::fromLatin1(setting::CropRect.name), cropRectBytes(selection));
}

} // namespace vistello
