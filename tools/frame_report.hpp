// The frame-time report ("--frame-report FILE"): how long each frame took, level visit by level
// visit, written when the run ends.
//
// It sits between the loop and the record/replay session (or none) as a frame driver, so it times
// exactly the systems' work: a replay's pacing and state hashing fall outside the window. Each
// frame's wall time and the process's CPU time (all threads, so a software rasteriser's own threads
// count) are kept. A level switch starts a new visit; the frame that switched is reported apart,
// with the Load + Initialize time the level manager measured, and left out of the visit's
// statistics, so that a slow load does not pass for a slow second of play.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/engine.hpp"

namespace velkor::frames {

// Frames in the "worst second": the worst mean over this many consecutive frames (one second at
// the game's 60 frames per second).
inline constexpr std::size_t SecondOfFrames = 60;

struct Summary {
    std::size_t frames = 0;
    double meanMs = 0.0;
    double medianMs = 0.0;  // the mean of the middle two for an even count
    double worstSecondMs = 0.0;  // highest mean over `window` consecutive frames; all of them if fewer
    double cpuMeanMs = 0.0;  // process CPU per frame
};

// Statistics of per-frame wall and CPU times in milliseconds (`cpuMs` may be shorter or empty: its
// mean is over what it holds). Empty input gives an all-zero summary.
[[nodiscard]] Summary Summarize(std::span<const double> wallMs, std::span<const double> cpuMs,
                                std::size_t window = SecondOfFrames);

// One level visit: from the frame that switched to the level to the last frame before the next
// switch. Frames of the run before any switch form a visit of level -1.
struct Visit {
    std::int32_t level = -1;
    double loadMs = 0.0;  // Load + Initialize, as the level manager measured it
    double loadCpuMs = 0.0;  // the process's CPU time in them
    double switchFrameMs = 0.0;  // the whole frame that switched (0 for the visit before any switch)
    std::vector<double> wallMs;  // every later frame of the visit
    std::vector<double> cpuMs;
    // The process's peak resident set by the visit's last frame, before the next level loads; 0
    // while the visit goes on (the report then uses the peak at the time it is written).
    std::int64_t peakResidentBytes = 0;
};

class Report final : public iFrameDriver {
public:
    using PeakMeasure = std::int64_t (*)();
    // `inner` (may be null) is the session that drives the frames; the report passes everything
    // through to it. `peak` measures the process's peak resident set after every frame.
    explicit Report(iFrameDriver* inner, PeakMeasure peak) : inner_(inner), peak_(peak) {}

    float BeginFrame(float measuredDt, Registry& registry) override;
    void EndFrame(Registry& registry) override;

    [[nodiscard]] const std::vector<Visit>& Visits() const noexcept { return visits_; }

    // The report as text: a header line, one line per visit (its peak resident set included), a
    // line over every frame of play (the visits' frames together, switch frames left out) and the
    // peak resident set of the whole run.
    [[nodiscard]] std::string Text(std::int64_t peakResidentBytes) const;

private:
    iFrameDriver* inner_;
    PeakMeasure peak_;
    std::int64_t peakAfterLastFrame_ = 0;
    std::vector<Visit> visits_;
    std::uint32_t switchesSeen_ = 0;
    std::int64_t wallStart_ = 0;
    std::int64_t cpuStart_ = 0;
};

// Writes `text` to `path`; false (with `error` naming the file) when it cannot be written.
bool WriteReport(const std::string& path, const std::string& text, std::string& error);

}  // namespace velkor::frames
