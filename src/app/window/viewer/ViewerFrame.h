#pragma once
// What one frame of the picture viewer shows besides the picture: where the
// fitted picture sits, the information box, the bottom band and the text
// line. Computed when the picture, the size or the mode changes; the widget
// only draws the result.
#include <QRect>
#include <QString>
#include <QStringList>

namespace vistello {

// The fitted rendering centred in the client area (integer halves). A
// rendering larger than the area (turned in memory) is squeezed into it in
// the dimension that overflows.
QRect drawnRect(QSize client, QSize rendering);

// The information box: 0 hidden (its measured size still takes clicks),
// 1 the short text, 2 the long text.
int normalisedInfoBoxState(int stored); // hand-edited values outside 0..2 read as 2
int nextInfoBoxState(int state);
struct InfoBox {
    QString text;       // the text measured (and drawn in states 1 and 2)
    bool shown = false; // drawn at all
};
InfoBox infoBox(int state, const QString& shortText, const QString& longText);
// The short text: the first two lines (name and size) of the long one.
QString shortInfoText(const QString& longText);

struct TextLineInputs {
    QString exifComment;
    QString jpegComment;
    QString programComment;
    bool pictureOnly = false;
    bool textInPictureOnly = false; // "PicturetextInFullscreen"
    int index = 0;                  // of the current picture, from 0
    int count = 0;
    QString path;
};
struct TextLine {
    QString text;
    bool centred = false; // the comments, bold, centred at W/2; else left at x 0
};
TextLine textLine(const TextLineInputs& in);
// 20 pixels under the picture when a text line can appear there.
int bottomBandHeight(const TextLineInputs& in);

} // namespace vistello
