#include "ui/folders/DropMenu.h"

#include <QMenu>

namespace vistello {

DropChoice askDropChoice(QWidget* parent, QPoint globalAt, bool copyEnabled)
{
    QMenu menu(parent);
    QAction* copy = menu.addAction(QStringLiteral("Copy"));
    copy->setEnabled(copyEnabled);
    QAction* move = menu.addAction(QStringLiteral("Move"));
    menu.addSeparator();
    menu.addAction(QStringLiteral("Cancel"));
    const QAction* chosen = menu.exec(globalAt);
    if (chosen == copy)
        return DropChoice::Copy;
    return chosen == move ? DropChoice::Move : DropChoice::Cancel;
}

} // namespace vistello
