#pragma once
// "Create a HTML page": the three gallery pages as tabs ("HTML picture
// page", "Picture settings", "Page templates"). "Create a HTML page" checks
// the target folder, stores the first tab's fields and starts the gallery
// job with the settings as stored, the same job vistello-cli gallery runs.
#include "ui/taskpane/CommandPage.h"
#include "ui/taskpane/TaskPageContext.h"

class QLineEdit;
class QPushButton;

namespace vistello {

struct GalleryPageFields;

class GalleryPage : public CommandPage {
    Q_OBJECT
public:
    GalleryPage(int mode, const TaskPageContext& context, QWidget* parent);
    void selectionChanged(int count) override;

private:
    QWidget* makeMainTab();
    GalleryPageFields fields() const;
    void showFields(const GalleryPageFields& fields);
    void apply();
    void create();

    TaskPageContext context_;
    QLineEdit* folder_ = nullptr;
    QLineEdit* fileName_ = nullptr;
    QLineEdit* perRow_ = nullptr;
    QLineEdit* rows_ = nullptr;
    QLineEdit* headline_ = nullptr;
    QPushButton* create_ = nullptr;
};

} // namespace vistello
