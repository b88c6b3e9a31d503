#include "app/window/viewer/ViewerFrame.h"

namespace vistello {

QRect drawnRect(QSize client, QSize rendering)
{
    QRect rect((client.width() - rendering.width()) / 2, (client.height() - rendering.height()) / 2,
               rendering.width(), rendering.height());
    if (rect.left() < 0)
        rect.setRect(0, rect.top(), client.width(), rect.height());
    if (rect.top() < 0)
        rect.setRect(rect.left(), 0, rect.width(), client.height());
    return rect;
}

int normalisedInfoBoxState(int stored)
{
    return stored >= 0 && stored <= 2 ? stored : 2;
}

int nextInfoBoxState(int state)
{
    return (normalisedInfoBoxState(state) + 1) % 3;
}

InfoBox infoBox(int state, const QString& shortText, const QString& longText)
{
    switch (normalisedInfoBoxState(state)) {
    case 0: return {longText.size() >= shortText.size() ? longText : shortText, false};
    case 1: return {shortText, true};
    default: return {longText, true};
    }
}

QString shortInfoText(const QString& longText)
{
    return longText.section(QLatin1Char('\n'), 0, 1);
}

TextLine textLine(const TextLineInputs& in)
{
    QStringList comments;
    for (const QString& comment : {in.exifComment, in.jpegComment, in.programComment})
        if (!comment.isEmpty())
            comments << comment;
    if (!comments.isEmpty() && (!in.pictureOnly || in.textInPictureOnly))
        return {comments.join(QStringLiteral(" | ")), true};
    if (in.pictureOnly || in.count <= 0)
        return {};
    return {QStringLiteral("%1/%2 : %3").arg(in.index + 1).arg(in.count).arg(in.path), false};
}

int bottomBandHeight(const TextLineInputs& in)
{
    return !in.pictureOnly || (!in.programComment.isEmpty() && in.textInPictureOnly) ? 20 : 0;
}

} // namespace vistello
