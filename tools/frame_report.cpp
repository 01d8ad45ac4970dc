#include "tools/frame_report.hpp"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <numeric>

#include "platform/clock.hpp"
#include "levels/level_manager.hpp"

namespace velkor::frames {

namespace {

double Mean(std::span<const double> values) {
    return values.empty() ? 0.0 : std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

double Median(std::span<const double> values) {
    if (values.empty()) return 0.0;
    std::vector<double> sorted(values.begin(), values.end());
    const std::size_t half = sorted.size() / 2;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(half), sorted.end());
    const double upper = sorted[half];
    if (sorted.size() % 2 == 1) return upper;
    const double lower = *std::max_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(half));
    return (lower + upper) / 2.0;
}

double WorstWindow(std::span<const double> values, std::size_t window) {
    if (window == 0 || values.size() <= window) return Mean(values);
    // A running sum drifts over thousands of frames; each window is summed afresh instead, which
    // costs nothing next to the run it reports on.
    double worst = 0.0;
    for (std::size_t first = 0; first + window <= values.size(); ++first)
        worst = std::max(worst, Mean(values.subspan(first, window)));
    return worst;
}

double Milliseconds(std::int64_t nanoseconds) { return static_cast<double>(nanoseconds) / 1e6; }

double Megabytes(std::int64_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

std::string Line(const char* label, const char* load, const char* loadCpu, const char* switchFrame, const Summary& s,
                 double peakMb) {
    char line[256];
    std::snprintf(line, sizeof line, "%-6s %9s %9s %9s %7zu %9.2f %9.2f %9.2f %9.2f %8.1f\n", label, load, loadCpu,
                  switchFrame, s.frames, s.meanMs, s.medianMs, s.worstSecondMs, s.cpuMeanMs, peakMb);
    return line;
}

}  // namespace

Summary Summarize(std::span<const double> wallMs, std::span<const double> cpuMs, std::size_t window) {
    Summary s;
    s.frames = wallMs.size();
    s.meanMs = Mean(wallMs);
    s.medianMs = Median(wallMs);
    s.worstSecondMs = WorstWindow(wallMs, window);
    s.cpuMeanMs = Mean(cpuMs);
    return s;
}

float Report::BeginFrame(float measuredDt, Registry& registry) {
    const float dt = inner_ ? inner_->BeginFrame(measuredDt, registry) : measuredDt;
    wallStart_ = platform::NowNanoseconds();
    cpuStart_ = platform::ProcessCpuNanoseconds();
    return dt;
}

void Report::EndFrame(Registry& registry) {
    const double wall = Milliseconds(platform::NowNanoseconds() - wallStart_);
    const double cpu = Milliseconds(platform::ProcessCpuNanoseconds() - cpuStart_);
    auto& singletons = registry.singletons;
    const singleton::GameState* state =
        singletons.has<singleton::GameState>() ? &singletons.get<singleton::GameState>() : nullptr;
    if (state && state->switches != switchesSeen_) {
        switchesSeen_ = state->switches;
        if (!visits_.empty()) visits_.back().peakResidentBytes = peakAfterLastFrame_;
        Visit visit;
        visit.level = state->currentLevel;
        visit.loadMs = Milliseconds(state->loadNanoseconds);
        visit.loadCpuMs = Milliseconds(state->loadCpuNanoseconds);
        visit.switchFrameMs = wall;
        visits_.push_back(std::move(visit));
    } else {
        if (visits_.empty()) visits_.emplace_back();
        visits_.back().wallMs.push_back(wall);
        visits_.back().cpuMs.push_back(cpu);
    }
    peakAfterLastFrame_ = peak_ ? peak_() : 0;
    if (inner_) inner_->EndFrame(registry);
}

std::string Report::Text(std::int64_t peakResidentBytes) const {
    std::string text = "level    load_ms  load_cpu switch_ms  frames   mean_ms median_ms worst_sec    cpu_ms  peak_mb\n";
    std::vector<double> allWall, allCpu;
    for (const Visit& visit : visits_) {
        char level[16], load[16], loadCpu[16], switchFrame[16];
        std::snprintf(level, sizeof level, "%d", visit.level);
        std::snprintf(load, sizeof load, "%.1f", visit.loadMs);
        std::snprintf(loadCpu, sizeof loadCpu, "%.1f", visit.loadCpuMs);
        std::snprintf(switchFrame, sizeof switchFrame, "%.1f", visit.switchFrameMs);
        const std::int64_t peak = visit.peakResidentBytes ? visit.peakResidentBytes : peakResidentBytes;
        text += Line(level, load, loadCpu, switchFrame, Summarize(visit.wallMs, visit.cpuMs), Megabytes(peak));
        allWall.insert(allWall.end(), visit.wallMs.begin(), visit.wallMs.end());
        allCpu.insert(allCpu.end(), visit.cpuMs.begin(), visit.cpuMs.end());
    }
    text += Line("all", "-", "-", "-", Summarize(allWall, allCpu), Megabytes(peakResidentBytes));
    char peak[64];
    std::snprintf(peak, sizeof peak, "peak resident set: %.1f MB\n", Megabytes(peakResidentBytes));
    return text + peak;
}

bool WriteReport(const std::string& path, const std::string& text, std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) out << text;
    if (out) out.flush();
    if (out) return true;
    error = "cannot write the frame report " + path;
    return false;
}

}  // namespace velkor::frames
