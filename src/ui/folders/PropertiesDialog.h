#pragma once
// "Properties" of a folder: its drive's size and free space with a pie
// chart at once, then the picture statistics of the folder and everything
// below it as a background walk reports them. Closing the dialog stops the
// walk; "Copy" puts the whole text on the clipboard.
#include "organize/folders/FolderInfoText.h"
#include "organize/folders/TreeStatistics.h"

#include <QDialog>
#include <memory>

class QLabel;

namespace vistello {

class Prompts;
class TreeStatisticsJob;

class PropertiesDialog : public QDialog {
    Q_OBJECT
public:
    PropertiesDialog(const QString& folder, Prompts& prompts, QWidget* parent = nullptr);
    ~PropertiesDialog() override;

    bool walkFinished() const { return walkFinished_; }
    // What "Copy" puts on the clipboard.
    QString copyText() const;

private:
    void showStatistics(const TreeStatistics& stats);
    void copy();

    const QString folder_;
    Prompts& prompts_;
    DriveSpace drive_;
    TreeStatistics stats_;
    bool walkFinished_ = false;
    QLabel* pictures_;
    QLabel* pictureSize_;
    QLabel* average_;
    QLabel* others_;
    QLabel* otherSize_;
    QLabel* folders_;
    std::unique_ptr<TreeStatisticsJob> job_;
};

} // namespace vistello
