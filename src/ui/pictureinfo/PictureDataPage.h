#pragma once
// The "Picture data" tab: every EXIF, IPTC, APP12 and comment row of the
// current picture as a name and a value, with the thumbnail, orientation
// pictograms and colour-filter grid; its menu copies the rows as text and
// saves, loads or removes the picture's header data.
#include "organize/filecommands/ViewListener.h"
#include "jpegmeta/info/PictureDataRows.h"
#include "ui/common/WindowPage.h"

#include <QJsonObject>

class QLabel;

namespace vistello {

class PictureDataModel;
class PictureDataTable;
class Prompts;
class SettingsStore;

class PictureDataPage : public WindowPage, public ViewListener {
    Q_OBJECT
public:
    // The shown file is read again when it changed.
    void refreshAll() override;
    void pictureChanged(const QString& path) override;
    explicit PictureDataPage(QWidget* parent);

    // The questions, dialogs and the backup setting of the commands.
    void setServices(Prompts& prompts, SettingsStore& store);
    // Reloads unless path is the one shown and force is false.
    void showPath(const QString& path, bool force);
    bool pageCommand(int id) override;

    const QString& path() const { return path_; }
    int dataRows() const;
    QJsonObject stateJson() const;

Q_SIGNALS:
    // The picture's header was rewritten.
    void pictureRewritten(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutColumns();
    void showMenu(QPoint at);
    void copyText();
    void rewrite(int id);

    PictureDataModel* model_;
    PictureDataTable* table_;
    QLabel* message_;
    Prompts* prompts_ = nullptr;
    SettingsStore* store_ = nullptr;
    QString path_;
    PictureDataSections sections_;
    int nameWidth_ = 0;
};

} // namespace vistello
