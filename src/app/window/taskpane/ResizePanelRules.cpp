#include "app/window/taskpane/ResizePanelRules.h"

#include "jpegedit/resize/ResizeRules.h"

namespace vistello {

ResizeSettings withTwoOptionsTicked(ResizeSettings record)
{
    const int ticked = int(record.enabled) + int(record.qualityGiven) + int(record.sizeLimitGiven);
    if (ticked != 2) {
        record.enabled = true;
        record.qualityGiven = true;
        record.sizeLimitGiven = false;
    }
    return record;
}

ResizeSettings afterPanelClick(ResizeSettings shown, ResizePanelClick click)
{
    ResizeSettings r = shown;
    switch (click) {
    case ResizePanelClick::NewSize:
        r.enabled = !shown.enabled;
        if (!r.enabled) {
            r.qualityGiven = true;
            r.sizeLimitGiven = true;
        } else if (shown.qualityGiven && shown.sizeLimitGiven) {
            r.sizeLimitGiven = false;
        }
        break;
    case ResizePanelClick::QualityLevel:
        r.qualityGiven = !shown.qualityGiven;
        if (r.qualityGiven) {
            if (shown.sizeLimitGiven && shown.enabled)
                r.sizeLimitGiven = false;
        } else {
            r.sizeLimitGiven = true;
            if (!shown.enabled)
                r.enabled = true;
        }
        break;
    case ResizePanelClick::FileSize:
        r.sizeLimitGiven = !shown.sizeLimitGiven;
        if (r.sizeLimitGiven) {
            if (shown.qualityGiven && shown.enabled)
                r.qualityGiven = false;
        } else {
            r.qualityGiven = true;
        }
        break;
    // Either radio turns the choice over: a click on the selected one selects the other.
    case ResizePanelClick::FixedSize:
    case ResizePanelClick::Relative: r.fixedSize = !shown.fixedSize; break;
    }
    return withTwoOptionsTicked(r);
}

ResizePanelControls resizePanelControls(const ResizeSettings& record, bool hasPictures)
{
    ResizePanelControls c;
    c.shown = hasPictures;
    c.radios = record.enabled;
    c.boxFields = record.enabled && record.fixedSize;
    c.percentField = record.enabled && !record.fixedSize;
    c.qualities = record.qualityGiven;
    c.fileSizeField = record.sizeLimitGiven;
    return c;
}

ResizeSettings readResizePanel(const ResizeSettings& options, const ResizePanelFields& fields)
{
    ResizeSettings r = options;
    r.width = fields.width.trimmed().toInt();
    r.height = fields.height.trimmed().toInt();
    r.sizeLimitKilobytes = fields.kilobytes.trimmed().toInt();
    r.lumaQuality = fields.luminance;
    r.chromaQuality = fields.chrominance;
    setResizePercent(r, fields.percent.trimmed().toDouble());
    return validResizeSettings(r);
}

ResizePanelFields resizePanelFields(const ResizeSettings& record)
{
    ResizePanelFields f;
    f.width = QString::number(record.width);
    f.height = QString::number(record.height);
    f.percent = resizePercentText(record);
    f.kilobytes = QString::number(record.sizeLimitKilobytes);
    f.luminance = record.lumaQuality;
    f.chrominance = record.chromaQuality;
    return f;
}

} // namespace vistello
