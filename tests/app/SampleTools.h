#pragma once
// Runs the independent tools (djpeg, exiftool, exiv2, ...) that check the
// generated samples, and skips a test when one is not installed (fails it
// under CI=true).
#include "support/CliRunner.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vistello::test::sampletools {

using ToolRun = ProcessRun;

bool toolAvailable(const QString& program);
ToolRun runTool(const QString& program, const QStringList& args);
// Every picture file under ../shared/samples (not the reference dumps), sorted;
// empty when the folder is absent.
QStringList sharedSamplePictures();

// Marker codes of a JPEG's segments from SOI up to the first SOS, in order.
QByteArray headerMarkers(const QByteArray& jpeg);

} // namespace vistello::test::sampletools

#define SKIP_WITHOUT_TOOL(program)                                                     \
    do {                                                                               \
        if (!::vistello::test::sampletools::toolAvailable(QStringLiteral(program)))    \
            SKIP_OR_FAIL(program << " is not installed");                              \
    } while (false)
