#include "ui/taskpane/TaskPaneController.h"

#include "app/window/frame/CommandIds.h"
#include "app/window/frame/DisplayStyle.h"
#include "app/window/frame/MainWindowState.h"
#include "app/window/taskpane/SelectionStatus.h"
#include "app/window/taskpane/TaskItems.h"
#include "app/window/taskpane/TaskPageModes.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/ListFileWriter.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "jpegmeta/info/PictureInfoBoxText.h"
#include "jpegmeta/info/PictureInfoText.h"
#include "organize/comments/CommentStore.h"
#include "resources/InfoStrings.h"
#include "resources/TaskPaneStrings.h"
#include "ui/taskpane/TaskInfoBox.h"
#include "ui/taskpane/TaskListView.h"
#include "ui/taskpane/TaskPane.h"
#include "ui/taskpane/TaskPageContext.h"
#include "ui/taskpane/TaskPages.h"
#include "ui/taskpane/WallpaperPage.h"
#include "publish/wallpaper/WallpaperSetter.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QScreen>
#include <utility>

namespace vistello {

TaskPaneController::TaskPaneController(QWidget* paneParent, SettingsStore& store, PictureLists& lists,
                                       Prompts& prompts, MainWindowState& state, TaskPaneHooks hooks)
    : QObject(paneParent)
    , store_(store)
    , lists_(lists)
    , prompts_(prompts)
    , state_(state)
    , hooks_(std::move(hooks))
    , pane_(new TaskPane(paneParent))
    , infoBox_(new TaskTextBox(QStringLiteral("taskInfo"), true, pane_))
    , stepBox_(new TaskTextBox(QStringLiteral("stepBox"), false, pane_))
    , wallpaper_(new WallpaperSetter(this))
{
    connect(wallpaper_, &WallpaperSetter::finished, this, &TaskPaneController::wallpaperDone);
    const auto rule = [this](const TaskItem& item) { return taskItemEnabled(item, hooks_.commandContext()); };
    for (TaskListView* list : {pane_->taskList(), pane_->pictureTasks(), pane_->advancedTasks()}) {
        list->setEnabledRule(rule);
        connect(list, &TaskListView::commandChosen, this, [this](int id) { hooks_.runCommand(id); });
    }
    connect(infoBox_, &TaskTextBox::copyRequested, this, &TaskPaneController::copyInfo);
    stepBox_->hide();
    placeSlot();
}

TaskPaneController::~TaskPaneController() = default;

bool TaskPaneController::command(int id)
{
    if (id == command::ExportList) {
        exportList();
        return true;
    }
    if (id == command::CopyTaskInfo) {
        copyInfo();
        return true;
    }
    if (taskpage::modeForCommand(id) == taskpage::None)
        return false;
    showPage(taskpage::modeAfterCommand(slot_.pageMode(), id));
    return true;
}

CommandPage* TaskPaneController::page() const
{
    return page_;
}

CommandPage* TaskPaneController::makePage(int mode)
{
    const TaskPageContext context{store_, lists_, prompts_, hooks_.startJob, [this] { showPage(0); },
                                  [this](int id, const QStringList& pictures) { handOver(id, pictures); },
                                  hooks_.picturesWritten};
    if (CommandPage* page = makeTaskPage(mode, context, pane_))
        return page;
    if (mode == taskpage::Wallpaper) {
        const WallpaperSupport support = wallpaperSupport();
        auto* page = new WallpaperPage(mode, support.canSet ? QString() : support.message, pane_);
        page->setBusy(wallpaper_->busy());
        connect(page, &WallpaperPage::setRequested, this, &TaskPaneController::setWallpaper);
        connect(page, &WallpaperPage::resetRequested, this, &TaskPaneController::resetWallpaper);
        connect(page, &WallpaperPage::settingsRequested, this, &TaskPaneController::openWallpaperSettings);
        return page;
    }
    return nullptr;
}

void TaskPaneController::showPage(int mode)
{
    if (page_) {
        // The action list's pictures belong to the page they were handed to:
        // closing it, or opening another page, uses them up as starting would.
        lists_.selectedPictures().clear(false);
        page_->hide();
        page_->deleteLater();
        page_ = nullptr;
    }
    page_ = mode != 0 ? makePage(mode) : nullptr;
    if (page_)
        connect(page_, &CommandPage::closeRequested, this, [this] { showPage(0); });
    slot_.showPage(page_ ? mode : 0);
    state_.taskPage = slot_.pageMode();
    selectionChanged();
    placeSlot();
}

void TaskPaneController::handOver(int id, const QStringList& pictures)
{
    showPage(0);
    PathArray& chosen = lists_.selectedPictures().entries();
    for (const QString& path : pictures)
        chosen.append(path);
    hooks_.runCommand(id);
    // A command that opened no page (Delete, or one that was declined) has
    // taken them or never will: no later command may inherit them.
    if (!page_)
        chosen.clear(false);
    selectionChanged();
}

void TaskPaneController::placeSlot()
{
    QWidget* shown = nullptr;
    switch (slot_.content()) {
    case SlotContent::Page: shown = page_; break;
    case SlotContent::Steps: shown = stepBox_; break;
    case SlotContent::Jobs: shown = jobList_; break;
    case SlotContent::Info: shown = infoBox_; break;
    }
    for (QWidget* widget : {static_cast<QWidget*>(infoBox_), static_cast<QWidget*>(stepBox_), jobList_})
        if (widget && widget != shown)
            widget->hide();
    pane_->setSlotWidget(shown, slot_.content() == SlotContent::Page);
}

void TaskPaneController::selectionChanged()
{
    pane_->refreshItems();
    const PictureList& current = lists_.current();
    pane_->setDetails(QStringLiteral("%1 pictures in the list, %2 selected")
                          .arg(current.count())
                          .arg(current.selection().count()));
    if (!page_)
        return;
    const QStringList workingSet = lists_.workingSet();
    page_->setStatus(selectionStatus(workingSet));
    page_->selectionChanged(int(workingSet.size()));
    if (auto* wallpaper = qobject_cast<WallpaperPage*>(page_))
        wallpaper->setSelectionCount(current.selection().count());
    pane_->relayout();
}

void TaskPaneController::pointerOver(const QString& path)
{
    if (path.isEmpty() || path == lastPointerPath_)
        return;
    lastPointerPath_ = path;
    const QString text = pictureInfoBoxText(path, modifiedDateText(path), QFileInfo(path).size());
    setInfo(QFileInfo(path).fileName(), text);
}

void TaskPaneController::pictureChanged(const QStringList& paths)
{
    if (!paths.contains(lastPointerPath_))
        return;
    const QString path = std::exchange(lastPointerPath_, QString());
    pointerOver(path);
}

void TaskPaneController::setInfo(const QString& title, const QString& text)
{
    slot_.setInfo(title, text);
    infoBox_->setContents(title, text);
    if (slot_.content() == SlotContent::Info)
        pane_->relayout();
}

void TaskPaneController::setSteps(const QString& title, const QString& text)
{
    slot_.setSteps(title, text);
    stepBox_->setContents(title, text);
    placeSlot();
}

void TaskPaneController::setJobList(QWidget* jobList)
{
    jobList_ = jobList;
    jobList_->hide();
    placeSlot();
}

void TaskPaneController::setJobsRunning(bool running)
{
    slot_.setJobsRunning(running);
    placeSlot();
}

void TaskPaneController::exportList()
{
    const QStringList pictures = picturesToExport(lists_.current(), state_.lastMainStyle == style::Picture);
    if (pictures.isEmpty())
        return;
    const QString extension = PictureFileTypes::instance().listExtension();
    FileChoice choice;
    choice.filter = QStringLiteral("Picture lists (*%1) |*%2|All Files (*.*)|*.*||").arg(extension, extension);
    choice.defaultExtension = extension.mid(1);
    const QString file = prompts_.chooseSaveFile(choice);
    if (file.isEmpty())
        return;
    // A file that cannot be written is skipped without a message.
    (void)writeListFile(file, pictures, [](const QString& path) { return CommentStore::instance().get(path); });
}

void TaskPaneController::setWallpaper()
{
    const PathArray& selection = lists_.current().selection();
    if (selection.count() != 1)
        return;
    const QString picture = selection.toStringList().front();
    const QScreen* screen = pane_->screen();
    const QSize size = screen ? screen->size() * screen->devicePixelRatio() : QSize();
    wallpaper_->setAutoRotate(store_.get(setting::Orientation));
    showPage(0);
    if (!wallpaper_->start(picture, size))
        prompts_.inform(QString::fromLatin1(SettingsStore::kProductName),
                        QStringLiteral("The wallpaper is still being changed; try again in a moment."));
}

void TaskPaneController::resetWallpaper()
{
    PromptQuestion question;
    question.title = QString::fromLatin1(SettingsStore::kProductName);
    question.text = strings::text(strings::kResetWallpaperQuestion);
    question.buttons = PromptButtons::YesNo;
    question.defaultAnswer = PromptAnswer::No;
    const bool yes = prompts_.ask(question).answer == PromptAnswer::Yes;
    showPage(0);
    if (yes && !wallpaper_->startReset())
        prompts_.inform(QString::fromLatin1(SettingsStore::kProductName),
                        QStringLiteral("The wallpaper is still being changed; try again in a moment."));
}

void TaskPaneController::openWallpaperSettings()
{
    QString message;
    showPage(0);
    if (!openDisplaySettings(&message))
        prompts_.inform(QString::fromLatin1(SettingsStore::kProductName), message);
}

void TaskPaneController::wallpaperDone(const WallpaperResult& result)
{
    // A picture that cannot be decoded leaves the wallpaper as it was, silently.
    if (!result.ok && !result.unreadable && !result.message.isEmpty())
        prompts_.inform(QString::fromLatin1(SettingsStore::kProductName), result.message);
    if (auto* page = qobject_cast<WallpaperPage*>(page_))
        page->setBusy(false);
}

bool TaskPaneController::wallpaperBusy() const
{
    return wallpaper_->busy();
}

void TaskPaneController::copyInfo()
{
    const QString text = taskInfoClipboardText(slot_.infoTitle(), slot_.infoText());
    if (text.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(text);
    prompts_.inform(QString::fromLatin1(SettingsStore::kProductName), strings::text(strings::kPictureDataCopied));
}

QJsonObject TaskPaneController::stateJson() const
{
    QJsonArray items;
    for (const TaskItem& item : taskItems())
        items.append(QJsonObject{{QStringLiteral("text"), QString::fromUtf16(item.text)},
                                 {QStringLiteral("enabled"), taskItemEnabled(item, hooks_.commandContext())}});
    QJsonValue page = QJsonValue::Null;
    if (page_) {
        QJsonObject shown{{QStringLiteral("mode"), page_->mode()},
                          {QStringLiteral("heading"), page_->heading()},
                          {QStringLiteral("status"), page_->status()}};
        if (const QJsonObject fields = page_->fieldsJson(); !fields.isEmpty())
            shown.insert(QStringLiteral("fields"), fields);
        page = shown;
    }
    return {{QStringLiteral("slot"), slotContentName(slot_.content())},
            {QStringLiteral("items"), items},
            {QStringLiteral("page"), page},
            {QStringLiteral("info"), QJsonObject{{QStringLiteral("title"), slot_.infoTitle()},
                                                 {QStringLiteral("text"), slot_.infoText()}}}};
}

} // namespace vistello
