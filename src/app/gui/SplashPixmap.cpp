#include "app/gui/SplashPixmap.h"

#include "core/settings/SettingsStore.h"

#include <QFont>
#include <QPainter>

namespace vistello {

QPixmap splashPixmap()
{
    QPixmap pixmap(420, 180);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setPen(QColor(49, 106, 197));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    QFont font = painter.font();
    font.setPixelSize(36);
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    painter.drawText(pixmap.rect().adjusted(0, 0, 0, -50), Qt::AlignCenter,
                     QString::fromLatin1(SettingsStore::kProductName));
    return pixmap;
}

} // namespace vistello
