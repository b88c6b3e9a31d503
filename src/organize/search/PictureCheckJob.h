#pragma once
// The picture check as a background job (kind PictureCheck, one step per
// picture). It writes the error list when it found broken pictures (also
// after a stop, for the pictures checked so far) and sends the outcome as
// values: the number of broken pictures and the error list's path (empty
// when none was written).
#include "core/jobs/BackgroundJob.h"

#include <QStringList>

namespace vistello {

class PictureCheckJob : public BackgroundJob {
    Q_OBJECT
public:
    PictureCheckJob(const QStringList& pictures, const QString& errorListPath);
    ~PictureCheckJob() override;

Q_SIGNALS:
    void checkFinished(int brokenCount, const QString& errorListPath);

protected:
    void run() override;

private:
    const QStringList pictures_;
    const QString errorListPath_;
};

} // namespace vistello
