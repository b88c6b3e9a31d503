#pragma once
// The resize and conversion jobs as the task-pane pages start them: the
// same engine jobs the command line runs, with their questions put to the
// user through Prompts on the window's thread, and (for resizing) the
// pictures that stayed above their size limit told once the batch is done.
#include "jpegedit/convert/ConvertJob.h"
#include "jpegedit/resize/ResizeJob.h"

#include <QStringList>

namespace vistello {

class Prompts;

// The message for the pictures that could not be brought to the limit;
// empty when every one could.
QString sizeLimitMessage(const std::vector<std::pair<QString, ResizeResult>>& results, int limitKB);

// Created on the window's thread, which answers its questions.
class ResizePageJob : public ResizeJob {
    Q_OBJECT
public:
    ResizePageJob(const PictureFileTypes& types, const QStringList& pictures, const ResizeOptions& options,
                  Prompts& prompts);
    ~ResizePageJob() override;

protected:
    void run() override;

private:
    QueuedJobQuestion question_;
    int limitKB_;
};

class ConvertPageJob : public ConvertJob {
    Q_OBJECT
public:
    ConvertPageJob(const PictureFileTypes& types, const QStringList& pictures, const ConvertOptions& options,
                   Prompts& prompts);
    ~ConvertPageJob() override;

private:
    QueuedJobQuestion question_;
};

} // namespace vistello
