#pragma once
// What the picture-data commands need from the user interface: the file
// dialogs and the removal question (through the program's Prompts), the
// ".original" backup and the refresh afterwards. PresetHeaderUi answers
// the backup from values set in advance (command line, tests).
#include "core/prompts/Prompts.h"

#include <QString>

namespace vistello {

class HeaderUi {
public:
    explicit HeaderUi(Prompts& prompts) : prompts_(prompts) {}
    virtual ~HeaderUi() = default;

    Prompts& prompts() { return prompts_; }
    // Makes the ".original" backup when the user wants one; false stops the command.
    virtual bool backUpOriginal(const QString& picture) = 0;
    virtual void setBusy(bool busy) { (void)busy; }
    // The picture was rewritten: its list entry and information must be refreshed.
    virtual void pictureChanged(const QString& picture) { (void)picture; }

private:
    Prompts& prompts_;
};

class PresetHeaderUi : public HeaderUi {
public:
    using HeaderUi::HeaderUi;

    bool backupSucceeds = true;
    int backups = 0;
    int changes = 0;

    bool backUpOriginal(const QString&) override
    {
        ++backups;
        return backupSucceeds;
    }
    void pictureChanged(const QString&) override { ++changes; }
};

} // namespace vistello
