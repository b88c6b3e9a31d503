#pragma once
// The player side of the media probe program: "--serve FILE" plays a video
// or sound file for the viewer's media player, which drives it through lines
// on standard input and reads its answers on the protocol descriptor. Qt
// Multimedia runs here and never in the window's process, so a backend that
// hangs or crashes costs the player and not the window.
//
// Commands (one a line): "play", "pause", "seek MS", "size W H" (the area
// frames are scaled into), "ack" (the last frame was shown), "quit".
// Answers: "loaded DURATION_MS SEEKABLE", "video W H", "pos MS" (also every
// 100 ms as a sign of life), "end", "error", and "frame W H" followed by
// W * H * 4 bytes of 32-bit RGB, one frame at a time until "ack".
class QCoreApplication;
class QString;

int serveMedia(QCoreApplication& app, const QString& path, int protocolOut);
