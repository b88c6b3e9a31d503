#include "ui/strip/PictureExtrasMenu.h"

#include "app/window/pictureinfo/EmbeddedExtrasSave.h"

#include <QMenu>

namespace vistello {

QString execPictureExtrasMenu(QWidget* parent, QPoint globalPos, const QString& path, Prompts& prompts)
{
    QMenu menu(parent);
    QAction* thumbnail = menu.addAction(QStringLiteral("Save thumbnail picture..."));
    thumbnail->setEnabled(savableThumbnail(path).has_value());
    QAction* sound = menu.addAction(QStringLiteral("Save audio data as..."));
    sound->setEnabled(embeddedSound(path).has_value());
    QAction* profile = menu.addAction(QStringLiteral("Save color profile..."));
    profile->setEnabled(embeddedColourProfile(path).has_value());
    const QAction* chosen = menu.exec(globalPos);
    if (chosen == thumbnail)
        return saveEmbeddedThumbnail(path, prompts);
    if (chosen == sound)
        saveEmbeddedSound(path, prompts);
    if (chosen == profile)
        saveColourProfile(path, prompts);
    return {};
}

} // namespace vistello
