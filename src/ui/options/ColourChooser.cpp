#include "ui/options/ColourChooser.h"

#include "core/prompts/Prompts.h"

#include <QColorDialog>

namespace vistello {

std::optional<QColor> askForColour(QWidget* parent, QColor initial, Prompts& prompts)
{
    if (auto* scripted = dynamic_cast<ScriptedPrompts*>(&prompts)) {
        const QColor colour = QColor::fromString(scripted->chooseOpenFile({QStringLiteral("Color"), {}, {}, {}}));
        return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    }
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

} // namespace vistello
