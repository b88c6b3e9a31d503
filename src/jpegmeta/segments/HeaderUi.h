#pragma once
// What the picture-data commands need from the user interface: file dialogs,
// the removal question, the ".original" backup and the refresh afterwards.
// The GUI supplies its own implementation; PresetHeaderUi answers from
// values set in advance (command line, tests).
#include <QString>

namespace vistello {

class HeaderUi {
public:
    virtual ~HeaderUi() = default;

    // The chosen path, or empty when the user cancelled. filter is the
    // dialog's filter text, defaultPath the proposed file.
    virtual QString chooseSaveFile(const QString& filter, const QString& defaultExtension, const QString& defaultPath) = 0;
    virtual QString chooseOpenFile(const QString& filter, const QString& defaultExtension, const QString& defaultPath) = 0;
    // Yes/no question, "No" being the default answer.
    virtual bool confirm(const QString& question) = 0;
    // Makes the ".original" backup when the user wants one; false stops the command.
    virtual bool backUpOriginal(const QString& picture) = 0;
    virtual void setBusy(bool busy) { (void)busy; }
    // The picture was rewritten: its list entry and information must be refreshed.
    virtual void pictureChanged(const QString& picture) { (void)picture; }
};

class PresetHeaderUi : public HeaderUi {
public:
    QString savePath;
    QString openPath;
    bool answer = false;
    bool backupSucceeds = true;
    int backups = 0;
    int changes = 0;

    QString chooseSaveFile(const QString&, const QString&, const QString&) override { return savePath; }
    QString chooseOpenFile(const QString&, const QString&, const QString&) override { return openPath; }
    bool confirm(const QString&) override { return answer; }
    bool backUpOriginal(const QString&) override
    {
        ++backups;
        return backupSucceeds;
    }
    void pictureChanged(const QString&) override { ++changes; }
};

} // namespace vistello
