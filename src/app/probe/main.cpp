// vistello-media-probe: answers, by its exit status, whether Qt Multimedia
// plays media with the backend named in QT_MEDIA_BACKEND (Qt's own choice
// when unset). A missing backend makes Qt abort and a broken one can crash,
// so the programs ask this separate process instead of loading Qt
// Multimedia themselves; that also keeps its libraries out of their start.
#include <QCoreApplication>
#include <QMediaFormat>
#include <QMediaPlayer>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    const int devNull = ::open("/dev/null", O_WRONLY);
    if (devNull >= 0) { // the backends complain loudly when they fail
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
    }
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);

    QCoreApplication app(argc, argv);
    bool works = !QMediaFormat().supportedFileFormats(QMediaFormat::Decode).isEmpty();
    if (works) {
        QMediaPlayer player;
        works = player.isAvailable();
    }
    // Straight out: the backends leave work for exit handlers that may hang or crash.
    ::_exit(works ? 0 : 1);
}
