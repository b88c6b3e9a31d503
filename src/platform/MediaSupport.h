#pragma once
// Whether videos and MP3 files can be played: Qt Multimedia needs a backend
// plug-in that actually works. A missing backend makes Qt abort and a broken
// one can crash, so backends are tried in a separate program first
// (vistello-media-probe, beside the running one).
#include <QByteArray>
#include <QStringList>

namespace vistello {

// Decided once per process and cached. When a backend works and the user has
// not chosen one in QT_MEDIA_BACKEND, the working one is put there, so call
// this at start-up before any media object exists.
bool mediaPlaybackAvailable();

// Names of the installed backend plug-ins ("ffmpeg", "gstreamer", ...).
QStringList installedMediaBackends();

// Tries one backend ("" = Qt's own choice) in the probe program, which is
// given timeoutMs to answer; a crash, abort or hang there, or a missing
// probe program, reads as false.
bool probeMediaBackend(const QByteArray& backend, int timeoutMs = 8000);

// The probe program's path, empty when it is missing. Given "--play FILE"
// (or "--play -" with the sound on its standard input) it plays the sound
// once and ends.
QString mediaProbeProgram();

} // namespace vistello
