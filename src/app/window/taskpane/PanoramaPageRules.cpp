#include "app/window/taskpane/PanoramaPageRules.h"

#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"

#include <algorithm>

namespace vistello {

PanoramaPageSettings readPanoramaSettings(SettingsStore& store)
{
    PanoramaPageSettings s;
    s.targetFolder = store.get(setting::PanoramaSplitTargetFolder);
    if (!s.targetFolder.isEmpty() && !s.targetFolder.endsWith(QLatin1Char('/')))
        s.targetFolder += QLatin1Char('/');
    s.printerX = std::max(0, store.get(setting::PrinterX));
    s.printerY = std::max(0, store.get(setting::PrinterY));
    s.landscape = store.get(setting::SplitOrientation);
    s.overlap = std::max(0, store.get(setting::PanoramaOverlap));
    return s;
}

void storePanoramaSettings(SettingsStore& store, const PanoramaPageSettings& s)
{
    store.set(setting::PanoramaSplitTargetFolder, s.targetFolder);
    store.set(setting::PrinterX, std::max(0, s.printerX));
    store.set(setting::PrinterY, std::max(0, s.printerY));
    store.set(setting::SplitOrientation, s.landscape);
    store.set(setting::PanoramaOverlap, std::max(0, s.overlap));
}

PanoramaOpening panoramaOpening(int selected, int width, int height)
{
    if (selected != 1)
        return PanoramaOpening::NotOneSelected;
    if (width > 0 && height / width >= 2)
        return PanoramaOpening::Vertical;
    return PanoramaOpening::Open;
}

bool cannotBeSplit(const PanoramaPlan& plan)
{
    return plan.stalls || plan.segments.empty();
}

} // namespace vistello
