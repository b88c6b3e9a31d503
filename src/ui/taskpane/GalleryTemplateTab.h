#pragma once
// "Page templates" of the gallery: the index and picture templates as
// editable texts, each with the choice of an external file ("Browse..."
// through Prompts). OK stores and closes the page, Apply stores.
#include <QWidget>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace vistello {

class Prompts;
class SettingsStore;
struct GalleryTemplateFields;

class GalleryTemplateTab : public QWidget {
    Q_OBJECT
public:
    GalleryTemplateTab(SettingsStore& store, Prompts& prompts, std::function<void()> close, QWidget* parent);

private:
    GalleryTemplateFields fields() const;
    void showFields(const GalleryTemplateFields& fields);
    void apply();
    void browse(QLineEdit* field);

    SettingsStore& store_;
    Prompts& prompts_;
    QPlainTextEdit* indexTemplate_;
    QCheckBox* useExternalIndex_;
    QLineEdit* externalIndex_;
    QPlainTextEdit* pictureTemplate_;
    QCheckBox* useExternalPicture_;
    QLineEdit* externalPicture_;
};

} // namespace vistello
