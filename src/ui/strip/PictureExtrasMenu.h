#pragma once
// The preview strip's context menu over one picture: save its embedded
// thumbnail, sound or colour profile. Each entry is enabled only when the
// extraction works for this picture.
#include <QPoint>
#include <QString>

class QWidget;

namespace vistello {

class Prompts;

// The saved thumbnail's path (it joins the list as the current picture);
// empty when no thumbnail was saved.
QString execPictureExtrasMenu(QWidget* parent, QPoint globalPos, const QString& path, Prompts& prompts);

} // namespace vistello
