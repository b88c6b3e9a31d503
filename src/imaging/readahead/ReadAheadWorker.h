#pragma once
// Decodes the pictures a view will probably show next, one at a time on a
// thread below normal priority. The view aims it anew after each picture;
// whatever the new aim no longer holds is dropped or stopped, so a held
// key never leaves stale decodes behind. Results are values the view moves
// into its own cache on its own thread.
#include "core/jobs/WorkerThread.h"
#include "imaging/decode/PictureLoader.h"

#include <QDateTime>
#include <deque>
#include <functional>
#include <vector>

namespace vistello {

struct ReadAheadJob {
    QString key; // the view's cache key for the request
    PictureRequest request; // its stop flag is the worker's
};

struct ReadAheadResult {
    QString key;
    QString path;
    CachedPicture picture;
    QDateTime modified; // the file as it was when its decode began
    qint64 size = -1;
    // False when the file changed since: the rendering is stale.
    bool fileUnchanged() const;
};

class ReadAheadWorker final : public WorkerThread {
public:
    using Decode = std::function<std::optional<CachedPicture>(const PictureRequest&)>;
    // decode polls the request's stop flag; tests hand in one they control.
    explicit ReadAheadWorker(Decode decode = loadPicture);
    ~ReadAheadWorker() override;

    // The jobs to do, most wanted first, in place of the earlier ones. A
    // running decode the new aim does not hold is stopped.
    void aim(std::vector<ReadAheadJob> jobs);
    // The view is about to decode key itself: nothing else runs meanwhile.
    // When key is being decoded here, waits up to kYieldWaitMs for it (its
    // result is then among the finished ones), else stops it.
    static constexpr int kYieldWaitMs = 30;
    void yieldTo(const QString& key);
    // Stops the running decode and forgets queue and results (a file or a
    // setting changed).
    void cancel();
    // The results finished since the last call, for the view's cache.
    std::vector<ReadAheadResult> takeFinished();

    bool stop(int timeoutMs) override;
    int decodesStarted() const { return started_.load(); }
    int decodesStopped() const { return stopped_.load(); }
    QString runningKey() const;

protected:
    void run() override;

private:
    // Called with the state lock held.
    bool aimed(const QString& key) const;

    Decode decode_;
    std::deque<ReadAheadJob> queue_;
    std::vector<ReadAheadResult> finished_;
    QString running_;
    std::atomic<bool> stopRunning_{false};
    std::atomic<int> started_{0};
    std::atomic<int> stopped_{0};
};

} // namespace vistello
