#include "app/window/taskpane/TaskSlot.h"

#include <QRegularExpression>

namespace vistello {

QString slotContentName(SlotContent content)
{
    switch (content) {
    case SlotContent::Info: return QStringLiteral("info");
    case SlotContent::Steps: return QStringLiteral("steps");
    case SlotContent::Jobs: return QStringLiteral("jobs");
    case SlotContent::Page: return QStringLiteral("page");
    }
    return {};
}

void TaskSlot::setInfo(const QString& title, const QString& text)
{
    infoTitle_ = title;
    infoText_ = text;
}

void TaskSlot::setSteps(const QString& title, const QString& text)
{
    stepsTitle_ = title;
    stepsText_ = text;
}

SlotContent TaskSlot::content() const
{
    if (pageMode_ != 0)
        return SlotContent::Page;
    if (!stepsTitle_.isEmpty() || !stepsText_.isEmpty())
        return SlotContent::Steps;
    if (jobsRunning_)
        return SlotContent::Jobs;
    return SlotContent::Info;
}

QString taskInfoClipboardText(const QString& title, const QString& text)
{
    if (title.isEmpty())
        return {};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString normalised = text;
    normalised.replace(lineBreak, QStringLiteral("\r\n"));
    return title + QStringLiteral("\r\n") + normalised + QStringLiteral("\r\n");
}

} // namespace vistello
