#pragma once
// "Split panorama": a preview with the planned cuts, the segments' folder,
// the printer's page size (or "Query printer"), the overlap and the
// orientation. "Split" cuts the selected picture at once, under a wait
// cursor, with the same function vistello-cli split-panorama runs.
#include "app/window/taskpane/PanoramaPageRules.h"
#include "ui/taskpane/CommandPage.h"
#include "ui/taskpane/TaskPageContext.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vistello {

class PanoramaPreview;

class PanoramaPage : public CommandPage {
    Q_OBJECT
public:
    PanoramaPage(int mode, const TaskPageContext& context, QWidget* parent);
    // The page for the selection, or null after telling why it cannot open.
    static CommandPage* open(int mode, const TaskPageContext& context, QWidget* parent);

    void selectionChanged(int count) override;

private:
    PanoramaPageSettings fields() const;
    void showFields(const PanoramaPageSettings& settings);
    void readPicture();
    void updatePlan();
    void queryPrinter();
    void apply();
    void split();

    TaskPageContext context_;
    QString picture_;
    PanoramaPreview* preview_;
    QLineEdit* folder_;
    QLineEdit* printerX_;
    QLineEdit* printerY_;
    QLineEdit* overlap_;
    QCheckBox* landscape_;
    QPushButton* split_;
    QLabel* cannotSplit_;
};

} // namespace vistello
