#include "jpegedit/resize/ResizeSearch.h"

#include <algorithm>
#include <utility>

namespace vistello {

namespace {

constexpr int kTrialsPerPass = 7;

// The best fitting trial and the smallest one seen so far.
class CandidateKeeper {
public:
    explicit CandidateKeeper(qint64 limit) : limit_(limit) {}

    // True when the candidate fits.
    bool add(ResizeCandidate candidate)
    {
        const bool fits = candidate.size() <= limit_;
        if (fits) {
            if (!bestFit_ || candidate.size() > bestFit_->size())
                bestFit_ = std::move(candidate);
        } else if (!bestFit_ && (!smallest_ || candidate.size() < smallest_->size())) {
            smallest_ = std::move(candidate);
        }
        return fits;
    }

    ResizeSearchOutcome outcome()
    {
        if (bestFit_)
            return {std::move(bestFit_), true};
        return {std::move(smallest_), false};
    }

private:
    qint64 limit_;
    std::optional<ResizeCandidate> bestFit_;
    std::optional<ResizeCandidate> smallest_; // only while nothing fits
};

// Halving steps from 50 over 0-100: 25, 12.5, 6.25, ... up when the last
// trial fitted, down when it did not; above 99 counts as 100.
class Bisection {
public:
    int value() const { return value_ > 99 ? 100 : int(value_); }
    void next(bool fitted)
    {
        value_ += fitted ? 100 / divisor_ : -100 / divisor_;
        divisor_ *= 2;
    }

private:
    double value_ = 50;
    double divisor_ = 4;
};

} // namespace

ResizeSearchOutcome qualitySearch(qint64 limitBytes, const TrialEncoder& encode)
{
    CandidateKeeper keeper(limitBytes);
    Bisection both;
    int luminance = 0;
    std::optional<int> bestFittingLuminance;
    for (int i = 0; i < kTrialsPerPass; ++i) {
        luminance = both.value();
        std::optional<ResizeCandidate> trial = encode({100, {luminance, luminance}});
        if (!trial)
            return {};
        const bool fits = keeper.add(std::move(*trial));
        if (fits)
            bestFittingLuminance = luminance; // later fits are higher
        both.next(fits);
    }
    luminance = bestFittingLuminance.value_or(luminance);
    Bisection chrominance;
    for (int i = 0; i < kTrialsPerPass; ++i) {
        std::optional<ResizeCandidate> trial = encode({100, {luminance, chrominance.value()}});
        if (!trial)
            return {};
        chrominance.next(keeper.add(std::move(*trial)));
    }
    return keeper.outcome();
}

ResizeSearchOutcome sameQualitySearch(qint64 limitBytes, const TrialEncoder& encode)
{
    CandidateKeeper keeper(limitBytes);
    Bisection both;
    for (int i = 0; i < kTrialsPerPass; ++i) {
        std::optional<ResizeCandidate> trial = encode({100, {both.value(), both.value()}});
        if (!trial)
            return {};
        both.next(keeper.add(std::move(*trial)));
    }
    return keeper.outcome();
}

ResizeSearchOutcome scaleSearch(qint64 limitBytes, const JpegQualities& qualities, const TrialEncoder& encode)
{
    CandidateKeeper keeper(limitBytes);
    Bisection percent;
    for (int i = 0; i < kTrialsPerPass; ++i) {
        std::optional<ResizeCandidate> trial = encode({std::max(1, percent.value()), qualities});
        if (!trial)
            return {};
        percent.next(keeper.add(std::move(*trial)));
    }
    return keeper.outcome();
}

} // namespace vistello
