#include "ui/common/FlatScrollBar.h"

// The arrows live in a static library: their resource must be named once.
static void initFlatScrollResources()
{
    Q_INIT_RESOURCE(flatscroll);
}

namespace vistello {

namespace {

// One style sheet for both orientations; sizes come from the constants so the layouts that
// reserve room for the bar agree with what is drawn.
QString flatStyleSheet()
{
    const QString t = QString::number(FlatScrollBar::Thickness);
    const QString a = QString::number(FlatScrollBar::ArrowLength);
    return QStringLiteral(
               "QScrollBar { background: #f0f0f0; border: none; }"
               "QScrollBar:horizontal { height: %1px; margin: 0 %2px 0 %2px; }"
               "QScrollBar:vertical { width: %1px; margin: %2px 0 %2px 0; }"
               "QScrollBar::handle { background: #c4c4c4; border: none; }"
               "QScrollBar::handle:hover { background: #a8a8a8; }"
               "QScrollBar::handle:horizontal { min-width: 8px; }"
               "QScrollBar::handle:vertical { min-height: 8px; }"
               "QScrollBar::add-line, QScrollBar::sub-line { background: #e4e4e4; border: none;"
               " subcontrol-origin: margin; }"
               "QScrollBar::add-line:horizontal { width: %2px; subcontrol-position: right; }"
               "QScrollBar::sub-line:horizontal { width: %2px; subcontrol-position: left; }"
               "QScrollBar::add-line:vertical { height: %2px; subcontrol-position: bottom; }"
               "QScrollBar::sub-line:vertical { height: %2px; subcontrol-position: top; }"
               "QScrollBar::left-arrow { image: url(:/flatscroll/left.png); }"
               "QScrollBar::right-arrow { image: url(:/flatscroll/right.png); }"
               "QScrollBar::up-arrow { image: url(:/flatscroll/up.png); }"
               "QScrollBar::down-arrow { image: url(:/flatscroll/down.png); }"
               "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
        .arg(t, a);
}

} // namespace

FlatScrollBar::FlatScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
    makeScrollBarFlat(this);
}

void makeScrollBarFlat(QScrollBar* bar)
{
    static const QString sheet = [] {
        initFlatScrollResources();
        return flatStyleSheet();
    }();
    bar->setStyleSheet(sheet);
}

} // namespace vistello
