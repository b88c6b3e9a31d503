#pragma once
// "Picture settings" of the gallery: thumbnail box, the three link and
// name options, and how the linked copies are scaled and compressed (the
// resize panel over the HTMLResize record). OK stores and closes the page,
// Apply stores.
#include <QWidget>
#include <functional>

class QCheckBox;
class QLineEdit;

namespace vistello {

class ResizeOptionsPanel;
class SettingsStore;
struct GalleryPictureFields;

class GalleryPictureTab : public QWidget {
    Q_OBJECT
public:
    GalleryPictureTab(SettingsStore& store, std::function<void()> close, QWidget* parent);

private:
    GalleryPictureFields fields() const;
    void showFields(const GalleryPictureFields& fields);
    void apply();

    SettingsStore& store_;
    QLineEdit* thumbWidth_;
    QLineEdit* thumbHeight_;
    QCheckBox* displayFileNames_;
    QCheckBox* linkToPicture_;
    QCheckBox* linkToOriginal_;
    ResizeOptionsPanel* resize_;
};

} // namespace vistello
