#include "platform/MediaSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QMediaFormat>
#include <QMediaPlayer>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vistello {
namespace {

constexpr const char* kBackendVariable = "QT_MEDIA_BACKEND";

// Runs in the child only: the answer is the exit status.
[[noreturn]] void answerProbe(const QByteArray& backend)
{
    const int devNull = ::open("/dev/null", O_WRONLY);
    if (devNull >= 0) { // the backends complain loudly when they fail
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
    }
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    if (!backend.isEmpty())
        ::setenv(kBackendVariable, backend.constData(), 1);

    bool works = !QMediaFormat().supportedFileFormats(QMediaFormat::Decode).isEmpty();
    if (works) {
        QMediaPlayer player;
        works = player.isAvailable();
    }
    ::_exit(works ? 0 : 1);
}

bool decideMediaPlayback()
{
    const QByteArray chosen = qgetenv(kBackendVariable);
    if (!chosen.isEmpty())
        return probeMediaBackend(chosen);

    // The FFmpeg backend is self-contained; the GStreamer one needs a full set
    // of GStreamer plug-ins and crashes without them, so it is tried last.
    QStringList backends = installedMediaBackends();
    if (backends.removeAll(QStringLiteral("ffmpeg")) > 0)
        backends.prepend(QStringLiteral("ffmpeg"));
    for (const QString& name : backends) {
        const QByteArray backend = name.toUtf8();
        if (probeMediaBackend(backend)) {
            qputenv(kBackendVariable, backend);
            return true;
        }
    }
    return false;
}

} // namespace

QStringList installedMediaBackends()
{
    static const QLatin1String prefix("lib");
    static const QLatin1String suffix("mediaplugin.so");
    QStringList names;
    for (const QString& path : QCoreApplication::libraryPaths()) {
        const QStringList files = QDir(path + QStringLiteral("/multimedia")).entryList({QStringLiteral("lib*mediaplugin.so")}, QDir::Files);
        for (const QString& file : files) {
            const QString name = file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
            if (!name.isEmpty() && !names.contains(name))
                names.append(name);
        }
    }
    return names;
}

bool probeMediaBackend(const QByteArray& backend, int timeoutMs)
{
    std::fflush(nullptr); // the child must not repeat buffered output
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0)
        answerProbe(backend);

    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (done < 0 && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool mediaPlaybackAvailable()
{
    static const bool available = decideMediaPlayback();
    return available;
}

} // namespace vistello
