#pragma once
// The options pages without their widgets: what each page shows, which
// values a click changes at once, what Apply writes and what it asks of
// the window, and what Cancel puts back. The running program reads these
// settings from the store, so "at once" means written to the store at once.
#include <QString>
#include <optional>

namespace vistello {

class PictureFileTypes;
class SettingsStore;

// The "Settings" page.
struct GeneralOptions {
    int autoShowDelay = 10;
    bool folderView = true; // the window's left pane shown
    bool audio = true;
    bool transitions = true;
    int transitionDelay = 1;
    bool orientation = true;
    bool copyOriginal = true;
    bool modifyThumbnail = true;
    bool makeCopy = true;
    bool panoramaScroll = true;
    int panoramaSpeed = 2;
};

// The "Advanced settings" page.
struct AdvancedOptions {
    int previewCache = 25;
    int pictureCache = 4;
    QString listExtension;
    bool previewTooltip = true;
    bool splitLines = true;
    bool folderInfo = true;
    bool controlButtons = false;
    bool pictureText = true;
    bool userSelect = true;
};

// The "Color settings" page: red + 256 green + 65536 blue each.
struct ColourOptions {
    int text = 0;
    int background = 0xFFFFFF;
    int fullScreen = 0;
    // The user's own colours kept aside while the seasonal ones show.
    std::optional<int> textBackup, backgroundBackup, fullScreenBackup;
};
enum class ColourRow { Text, Background, FullScreen };

// What an Apply or Cancel asks of the window.
struct OptionsEffects {
    bool refreshAll = false;              // every view read anew, caches cleared
    bool viewerSettings = false;          // the viewer takes the stored settings
    bool stopSound = false;
    std::optional<bool> folderView;       // show or hide the left pane, automatic view off
    bool frameFlags = false;              // split lines, folder information, selection boxes
    bool listViews = false;               // tool tips and selection boxes of the lists
    bool extensionChanged = false;        // against the text shown at opening
    QString refusal;                      // nothing applied; the message to show
};

// "AutoShowDelay" as the page stores it: 1 s up to one day.
int autoShowDelayFromField(int seconds);

GeneralOptions readGeneral(SettingsStore& store, bool folderView);
// Apply: page against the values remembered at opening (or the last Apply).
OptionsEffects applyGeneral(const GeneralOptions& page, const GeneralOptions& remembered, SettingsStore& store);
// Cancel: the "at once" values go back.
OptionsEffects restoreGeneral(const GeneralOptions& shown, const GeneralOptions& remembered, SettingsStore& store);

AdvancedOptions readAdvanced(SettingsStore& store);
// The field's text as stored ("txt" -> ".txt", too short -> ".csv"), or
// empty with a message when it would name picture files.
struct ListExtensionCheck {
    QString extension;
    QString refusal;
};
ListExtensionCheck checkListExtension(const QString& fieldText, const PictureFileTypes& types);
// openedExtension: the field's text when the page opened.
OptionsEffects applyAdvanced(const AdvancedOptions& page, const QString& openedExtension, SettingsStore& store,
                             PictureFileTypes& types);
OptionsEffects restoreAdvanced(const AdvancedOptions& remembered, SettingsStore& store);

ColourOptions readColours(SettingsStore& store);
// A colour chosen for a row; equal text and background turn the text into
// the background's inverse. Written at once.
ColourOptions chooseColour(ColourOptions current, ColourRow row, int colour, SettingsStore& store);
// Cancel: the colours and their seasonal backups as remembered.
void restoreColours(const ColourOptions& remembered, SettingsStore& store);

} // namespace vistello
