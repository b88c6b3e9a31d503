#pragma once
// "Picture index": the grid, cell, border, file name, film stripe and
// background of the index pictures. "Create index" checks the target
// folder, stores the fields and starts the index job with the settings as
// stored, the same job vistello-cli index runs.
#include "ui/taskpane/CommandPage.h"
#include "ui/taskpane/TaskPageContext.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vistello {

struct IndexPageFields;

class IndexPage : public CommandPage {
    Q_OBJECT
public:
    IndexPage(int mode, const TaskPageContext& context, QWidget* parent);
    void selectionChanged(int count) override;

private:
    IndexPageFields fields() const;
    void showFields(const IndexPageFields& fields);
    void showBackground();
    void chooseColour();
    void apply();
    void create();

    TaskPageContext context_;
    QLineEdit* folder_;
    QLineEdit* columns_;
    QLineEdit* rows_;
    QLineEdit* cellWidth_;
    QLineEdit* cellHeight_;
    QLineEdit* borderX_;
    QLineEdit* borderY_;
    QLineEdit* fileName_ = nullptr;
    QCheckBox* film_;
    QLabel* swatch_;
    int background_ = 0xFFFFFF;
    QPushButton* create_;
};

} // namespace vistello
