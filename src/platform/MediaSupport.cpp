#include "platform/MediaSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <csignal>
#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vistello {
namespace {

constexpr const char* kBackendVariable = "QT_MEDIA_BACKEND";
constexpr const char* kProbeProgram = "vistello-media-probe";

} // namespace

// Beside the running program (installed or built), else where the build
// put it (the test programs run from another folder).
QString mediaProbeProgram()
{
    const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(kProbeProgram);
    if (QFileInfo(beside).isExecutable())
        return beside;
#ifdef VISTELLO_MEDIA_PROBE_BUILD_PATH
    if (QFileInfo(QStringLiteral(VISTELLO_MEDIA_PROBE_BUILD_PATH)).isExecutable())
        return QStringLiteral(VISTELLO_MEDIA_PROBE_BUILD_PATH);
#endif
    return {};
}

namespace {

// This process's environment with the backend variable set (or left as it is
// for Qt's own choice).
std::vector<QByteArray> probeEnvironment(const QByteArray& backend)
{
    std::vector<QByteArray> entries;
    const QByteArray prefix = QByteArray(kBackendVariable) + '=';
    for (char** e = environ; e && *e; ++e)
        if (backend.isEmpty() || !QByteArray(*e).startsWith(prefix))
            entries.emplace_back(*e);
    if (!backend.isEmpty())
        entries.push_back(prefix + backend);
    return entries;
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
    const QByteArray program = QFile::encodeName(mediaProbeProgram());
    if (program.isEmpty())
        return false;
    std::vector<QByteArray> environment = probeEnvironment(backend);
    std::vector<char*> envp;
    for (QByteArray& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.constData()), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, program.constData(), nullptr, nullptr, argv, envp.data()) != 0)
        return false;

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
