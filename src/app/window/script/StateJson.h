#pragma once
// The JSON a scripted run's "state FILE.json" writes: what the window shows
// and which list it shows, for tests and benchmarks to compare.
#include "app/window/frame/MainWindowState.h"

#include <QJsonObject>
#include <QRect>

namespace vistello {

class PictureLists;
class PreviewStripModel;

QJsonObject windowStateJson(const MainWindowState& state, QRect central);
QJsonObject listStateJson(const PictureLists& lists);
QJsonObject previewStateJson(const PreviewStripModel& strip);
QJsonObject overviewStateJson(int items, int tilesDone, bool currentVisible);

} // namespace vistello
