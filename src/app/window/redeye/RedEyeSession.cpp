#include "app/window/redeye/RedEyeSession.h"

#include <QJsonArray>
#include <algorithm>

namespace vistello {

bool RedEyeSession::open(const QString& path, bool autoRotate, QString* error)
{
    close();
    std::optional<RedEyeSource> source = loadForRedEye(path, autoRotate, error);
    if (!source)
        return false;
    picture_ = RedEyePicture(std::move(source->pixels));
    if (picture_.empty()) {
        if (error)
            *error = QStringLiteral("Not enough memory");
        return false;
    }
    path_ = path;
    orientation_ = source->orientation;
    return true;
}

void RedEyeSession::close()
{
    *this = RedEyeSession{};
}

void RedEyeSession::setIntensity(int intensity)
{
    intensity_ = std::clamp(intensity, kMinRedEyeIntensity, kMaxRedEyeIntensity);
}

void RedEyeSession::press(QPoint point)
{
    if (!active())
        return;
    mode_ = grabAt(selection_, point);
    anchor_ = last_ = point;
    drag_ = selection_;
    if (mode_ == DragMode::New) {
        steps_.newSelection();
        selection_ = drag_ = {point.x(), point.y(), point.x(), point.y()};
    }
}

bool RedEyeSession::move(QPoint point)
{
    if (!dragging())
        return false;
    const RedEyeRect before = drag_;
    drag_ = dragRect(drag_, mode_, anchor_, point, point - last_, picture_.width(), picture_.height());
    last_ = point;
    return !(drag_ == before);
}

void RedEyeSession::release()
{
    if (!dragging())
        return;
    mode_ = DragMode::None;
    selection_ = drag_;
    steps_.selectionFinished(!selection_.empty() && picture_.testSelection(selection_).red());
}

bool RedEyeSession::removeRedEyes()
{
    if (!active() || selection_.empty())
        return false;
    lastChanged_ = picture_.correctSelection(selection_, intensity_);
    steps_.corrected(lastChanged_ > 0, picture_.differs());
    return lastChanged_ > 0;
}

void RedEyeSession::reset()
{
    if (!active())
        return;
    picture_.resetSelection(selection_);
    selection_ = drag_ = {};
    lastChanged_ = 0;
    steps_.reset(picture_.differs());
}

QJsonObject RedEyeSession::stateJson() const
{
    const RedEyeRect& r = selection();
    return {{QStringLiteral("active"), active()},
            {QStringLiteral("step"), steps_.step()},
            {QStringLiteral("intensity"), intensity_},
            {QStringLiteral("selection"), QJsonArray{r.left, r.top, r.right, r.bottom}},
            {QStringLiteral("changed"), qint64(lastChanged_)},
            {QStringLiteral("differs"), picture_.differs()}};
}

} // namespace vistello
