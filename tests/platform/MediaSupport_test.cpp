#include "platform/MediaSupport.h"
#include "support/CliRunner.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(MediaSupport, MissingBackendIsReportedNotFatal)
{
    // Qt aborts when asked for a backend it cannot load; only the probe child may die.
    EXPECT_FALSE(probeMediaBackend("no-such-backend"));
}

TEST(MediaSupport, InstalledFfmpegBackendAnswersThroughTheProbeProgram)
{
    if (!installedMediaBackends().contains(QStringLiteral("ffmpeg")))
        SKIP_OR_FAIL("the FFmpeg media backend is not installed");
    EXPECT_TRUE(probeMediaBackend("ffmpeg"));
}
