#pragma once
// What a task-pane page may use: the settings, the lists, the questions,
// the job list, and closing itself. Each page runs its own buttons with it.
#include <QStringList>
#include <functional>
#include <memory>

namespace vistello {

class BackgroundJob;
class PictureLists;
class Prompts;
class SettingsStore;

struct TaskPageContext {
    SettingsStore& store;
    PictureLists& lists;
    Prompts& prompts;
    // Into the job list; its results reach every view.
    std::function<void(std::unique_ptr<BackgroundJob>)> startJob;
    // Closes the open page (uses up the action list's pictures, as starting would).
    std::function<void()> close;
    // Closes the page and runs the command with these pictures as its
    // working set; they go unused when the command opens no page.
    std::function<void(int command, const QStringList& pictures)> handOver;
    // The pictures a batch command works on, taken once when it starts
    // (selectedPictures, else the current list's selection).
    QStringList takeWorkingSet() const;
    // Pictures a page wrote itself join the list as a job's results do.
    std::function<void(const QStringList&)> picturesWritten;
};

} // namespace vistello
