#include "app/gui/Application.h"

#include "app/gui/FirstRunDialog.h"
#include "app/gui/SplashPixmap.h"
#include "app/startup/CommandLine.h"
#include "app/startup/ConsoleEcho.h"
#include "app/startup/DisplayCheck.h"
#include "app/startup/DisplaySettingsCommand.h"
#include "app/startup/FirstPictureList.h"
#include "app/startup/OptionProcessor.h"
#include "app/startup/PathArguments.h"
#include "app/startup/SettingsChoice.h"
#include "app/startup/StartShortcuts.h"
#include "app/startup/StartupDecisions.h"
#include "app/startup/StartupOptions.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "imaging/plugins/PluginLoader.h"
#include "core/settings/IntValidation.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/jpegwrite/PictureWriting.h"
#include "organize/comments/CommentStore.h"
#include "platform/MediaSupport.h"
#include "platform/ProgramLocation.h"
#include "publish/gallery/GalleryTemplates.h"
#include "resources/OrganizeStrings.h"
#include "resources/PublishStrings.h"
#include "resources/StringTable.h"
#include "ui/common/DialogPrompts.h"
#include "ui/frame/MainWindow.h"
#include "ui/script/ScriptRunner.h"

#include <QApplication>
#include <QScreen>
#include <QSplashScreen>
#include <QStandardPaths>
#include <clocale>
#include <cstdio>
#include <optional>

namespace vistello {
namespace {

constexpr int kLoadingFolderStructureId = 33107;
constexpr int kLaunchingId = 33108;
constexpr int kUpdateDisplayId = 33109;

void writeToStandardOutput(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

DisplayFacts primaryScreenFacts(bool mediaAvailable)
{
    DisplayFacts facts;
    facts.mediaPlaybackAvailable = mediaAvailable;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        facts.width = screen->size().width();
        facts.height = screen->size().height();
        facts.colourDepth = screen->depth();
    }
    return facts;
}

// The file of a scripted run, empty for an ordinary one.
QString scriptPath()
{
    return qEnvironmentVariable("VISTELLO_SCRIPT");
}

// The first-run dialog, when due; returns whether it was due. A scripted
// run counts it as answered without shortcuts, so scripts work on a fresh
// home folder.
bool runFirstStart(SettingsStore& store, bool mediaAvailable, bool scripted)
{
    const bool due = store.get(setting::FirstRun) && !store.runsFromCdRom();
    if (!due)
        return false;
    if (scripted) {
        store.set(setting::FirstRun, false);
        return true;
    }
    FirstRunDialog dialog(buildDisplayCheck(primaryScreenFacts(mediaAvailable)), displaySettingsCommand());
    if (dialog.exec() == QDialog::Accepted) {
        store.set(setting::FirstRun, false);
        if (dialog.makeShortcutsChecked())
            createStartShortcuts(executablePath());
    }
    return true;
}

QString picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty())
        return pictures;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void showStatus(QSplashScreen& splash, int textId)
{
    splash.showMessage(strings::text(textId), Qt::AlignBottom | Qt::AlignHCenter);
    QApplication::processEvents();
}

// From the first-run dialog to the end of the window's message loop.
int runWindow(SettingsStore& store, const QStringList& parameters, bool mediaAvailable, bool& saved)
{
    const QString script = scriptPath();
    StartupOptions options;
    options.showFirstRunHints = runFirstStart(store, mediaAvailable, !script.isEmpty());

    QSplashScreen splash(splashPixmap());
    splash.show();
    showStatus(splash, kLaunchingId);

    // The list extension of this run is taken here, before "-e" may change the setting.
    registerBuiltInFormats(PictureFileTypes::instance(), mediaAvailable, &store);
    QStringList pluginRefusals; // shown once the window stands
    loadPlugins(PictureFileTypes::instance(), pluginFolders(), &store,
                [&pluginRefusals](const QString& message) { pluginRefusals << message; });
    enablePictureWriting(PictureFileTypes::instance());
    registerGalleryTemplates(); // an empty page template reads as the built-in one

    options.includeSubfolders = includesSubfolders(parameters);
    PathArgumentCollector paths(options);
    applyStartupSettings(parameters, store, options, [&paths](const QString& path) { paths.add(path); });
    if (endsWithoutWindow(options))
        return 0;

    showStatus(splash, strings::kLoadingComments);
    CommentStore& comments = CommentStore::instance();
    comments.load(store.personalFolder() + QString::fromUtf16(kCommentListName));

    showStatus(splash, kUpdateDisplayId);
    // The window's lists live as long as the window: the stored ones are
    // read now and written when it closes.
    PictureLists lists;
    lists.readStoredLists(store.personalFolder());
    const FirstPictureList first = chooseFirstPictureList(lists, options, store, picturesFolder());
    // Scripted runs answer questions from the script instead of dialogs.
    ScriptedPrompts scriptedPrompts;
    DialogPrompts dialogPrompts(nullptr);
    Prompts& prompts = script.isEmpty() ? static_cast<Prompts&>(dialogPrompts) : scriptedPrompts;
    showStatus(splash, kLoadingFolderStructureId); // the window builds its folder tree
    MainWindow window({store, lists, prompts, first.kind == FirstPictureList::Kind::Folder ? first.folder : QString(),
                       options.includeSubfolders});
    dialogPrompts.setParentWidget(&window);
    showStatus(splash, kUpdateDisplayId);
    ScriptRunner runner(window, scriptedPrompts);
    if (!script.isEmpty() && !runner.load(script))
        return 2;
    window.restorePlacement();
    window.show();
    splash.finish(&window);
    window.start(decideWindowStart(options, store));
    for (const QString& refusal : pluginRefusals)
        prompts.inform(QString::fromLatin1(SettingsStore::kProductName), refusal);
    if (!script.isEmpty())
        runner.start();
    const int status = QApplication::exec();
    window.storeState();
    unloadPlugins(PictureFileTypes::instance(), &store);
    lists.writeStoredLists(store.personalFolder());
    const QString title = QString::fromLatin1(SettingsStore::kProductName);
    if (!comments.save())
        prompts.inform(title, comments.saveFailedMessage());
    saved = true;
    if (!store.save())
        prompts.inform(title, strings::text(strings::kCannotCreate).arg(store.defaultFilePath()));
    return status;
}

} // namespace

int runApplication(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QString::fromLatin1(SettingsStore::kProductName));

    // Everything up to the console output runs without a display.
    const QStringList parameters = argumentsFromArgv(argc, argv);
    SettingsStore store;
    loadChosenSettings(store, chooseSettings(parameters));
    if (const std::optional<QString> echo = consoleEcho(parameters)) {
        // Nothing can have changed: the settings file is left as it is.
        writeToStandardOutput(*echo);
        return 0;
    }

    // Asked before any window exists: the first-run dialog needs the answer.
    const bool mediaAvailable = mediaPlaybackAvailable();

    QApplication app(argc, argv);
    // Shown numbers follow the user's locale through QLocale; "%f"-style
    // formatting and parsing stay stable.
    std::setlocale(LC_NUMERIC, "C");
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setPrimaryScreenWidth(screen->size().width());

    bool saved = false;
    const int status = runWindow(store, parameters, mediaAvailable, saved);
    // A run that ended before the window saves here; nobody is left to tell.
    if (!saved)
        (void)store.save();
    return status;
}

} // namespace vistello
