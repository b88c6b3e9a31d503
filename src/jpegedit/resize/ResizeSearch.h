#pragma once
// The two searches that bring a resized picture under a file-size limit.
// Every trial is encoded in memory and measured; the caller writes the
// chosen one once. The chosen trial is the largest at or under the limit,
// or, when none fits, the smallest (limitMet false).
// - Quality search: both qualities together by halving steps from 50
//   (seven trials), then the chrominance alone with the luminance of the
//   best fitting trial (seven more).
// - Scale search (fixed qualities): the percentage of the size by halving
//   steps from 50 (seven trials, never below 1 %).
#include "imaging/decode/PictureWriteRequest.h"
#include "jpegedit/jpegwrite/JpegQuality.h"

#include <QtGlobal>
#include <functional>
#include <optional>

namespace vistello {

struct ResizeTrial {
    int percent = 100; // of the picture's size; 100: as it is
    JpegQualities qualities;
};

struct ResizeCandidate {
    EncodedPicture encoded;
    int width = 0;
    int height = 0;
    JpegQualities qualities;

    qint64 size() const { return encoded.bytes.size(); }
};

// Nothing when the trial cannot be encoded; the search then fails.
using TrialEncoder = std::function<std::optional<ResizeCandidate>(const ResizeTrial& trial)>;

struct ResizeSearchOutcome {
    std::optional<ResizeCandidate> chosen; // empty: a trial failed
    bool limitMet = false;
};

ResizeSearchOutcome qualitySearch(qint64 limitBytes, const TrialEncoder& encode);
// The first pass of the quality search alone: both tables at one quality.
ResizeSearchOutcome sameQualitySearch(qint64 limitBytes, const TrialEncoder& encode);
ResizeSearchOutcome scaleSearch(qint64 limitBytes, const JpegQualities& qualities, const TrialEncoder& encode);

} // namespace vistello
