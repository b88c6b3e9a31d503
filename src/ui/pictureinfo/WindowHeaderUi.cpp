#include "ui/pictureinfo/WindowHeaderUi.h"

#include "jpegedit/originals/OriginalBackup.h"

#include <QApplication>

namespace vistello {

WindowHeaderUi::WindowHeaderUi(Prompts& prompts, bool copyOriginal, std::function<void(const QString&)> changed)
    : HeaderUi(prompts), copyOriginal_(copyOriginal), changed_(std::move(changed))
{
}

bool WindowHeaderUi::backUpOriginal(const QString& picture)
{
    return backUpOriginalIfWanted(picture, copyOriginal_);
}

void WindowHeaderUi::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void WindowHeaderUi::pictureChanged(const QString& picture)
{
    if (changed_)
        changed_(picture);
}

} // namespace vistello
