#include "tools/soak_report.hpp"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>

#include <glad/gl.h>

#include "audio/audio.hpp"
#include "platform/clock.hpp"
#include "gameplay/actions.hpp"
#include "graphics/texture.hpp"
#include "levels/level.hpp"
#include "levels/level_manager.hpp"
#include "serialization/catalogue.hpp"

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <psapi.h>
#else
#include <unistd.h>
#endif

namespace velkor::soak {

namespace {

// GL hands out small names and reuses freed ones, so probing the low range finds every object
// the game holds; a name above it would itself be a sign of growth.
constexpr GLuint ProbedNames = 65536;

std::uint32_t LiveGlNames() {
    // No context (a windowless engine): nothing to count.
    if (!glIsTexture || !glIsBuffer || !glIsVertexArray || !glIsProgram || !glIsFramebuffer) return 0;
    std::uint32_t alive = 0;
    for (GLuint name = 1; name <= ProbedNames; ++name) {
        alive += glIsTexture(name) + glIsBuffer(name) + glIsVertexArray(name) + glIsProgram(name) +
                 glIsFramebuffer(name);
    }
    return alive;
}

std::uint32_t CountActions(const util::ActionBase& action) {
    std::uint32_t n = 1;
    if (const auto* group = dynamic_cast<const util::ActionGroup*>(&action))
        for (const auto& child : group->Actions) n += child ? CountActions(*child) : 0;
    if (const auto* queue = dynamic_cast<const util::ActionQueue*>(&action))
        for (const auto& child : queue->Actions) n += child ? CountActions(*child) : 0;
    return n;
}

std::int64_t ResidentBytes() {
#if defined(_WIN32)
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<std::int64_t>(counters.WorkingSetSize);
#else
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm) return 0;
    long size = 0, resident = 0;
    const bool read = std::fscanf(statm, "%ld %ld", &size, &resident) == 2;
    std::fclose(statm);
    return read ? static_cast<std::int64_t>(resident) * sysconf(_SC_PAGESIZE) : 0;
#endif
}

}  // namespace

Figures Take(Registry& registry) {
    Figures f;
    for (Entity e = 0; e < registry.next(); ++e) {
        if (!registry.alive(e)) continue;
        ++f.entities;
        const entity::Signature& signature = registry.signature(e);
        for (std::size_t c = 0; c < entity::MaxComponents; ++c) f.pools[c] += signature[c] ? 1 : 0;
    }
    auto& singletons = registry.singletons;
    if (singletons.has<singleton::Texture>())
        f.textures = static_cast<std::uint32_t>(singletons.get<singleton::Texture>().map.size());
    f.glNames = LiveGlNames();
    f.sounds = static_cast<std::uint32_t>(audio::SoundCount());
    for (int s = 0; s < audio::SoundCount(); ++s) {
        f.requests += std::max(audio::RequestCount(s), 0);
        f.loadedSounds += audio::IsLoaded(s) ? 1 : 0;
    }
    for (int c = 0; c < audio::ChannelCount; ++c) {
        f.channels += audio::ChannelPlayback(c) != 0 ? 1 : 0;
        f.loops += audio::ChannelLooping(c) ? 1 : 0;
    }
    if (singletons.has<singleton::ActionSingleton>())
        f.actions = CountActions(singletons.get<singleton::ActionSingleton>().Root) - 1;  // the root itself
    f.residentBytes = ResidentBytes();
    return f;
}

std::string Difference(const Figures& a, const Figures& b) {
    auto differs = [](const std::string& what, auto was, auto now) {
        std::ostringstream text;
        text << what << ' ' << now << " (was " << was << ')';
        return text.str();
    };
    if (a.entities != b.entities) return differs("entities", a.entities, b.entities);
    for (std::size_t c = 0; c < entity::MaxComponents; ++c) {
        if (a.pools[c] == b.pools[c]) continue;
        const std::string& name = Catalogue().names[c];
        return differs("pool " + (name.empty() ? std::to_string(c) : name), a.pools[c], b.pools[c]);
    }
    if (a.textures != b.textures) return differs("textures", a.textures, b.textures);
    // Growth only: the driver may retire objects of its own between two looks.
    if (b.glNames > a.glNames) return differs("GL objects", a.glNames, b.glNames);
    if (a.sounds != b.sounds) return differs("sound table entries", a.sounds, b.sounds);
    if (a.loadedSounds != b.loadedSounds) return differs("sounds loaded", a.loadedSounds, b.loadedSounds);
    if (a.requests != b.requests) return differs("sound requests", a.requests, b.requests);
    if (a.loops != b.loops) return differs("looping channels", a.loops, b.loops);
    if (a.actions != b.actions) return differs("actions queued", a.actions, b.actions);
    if (b.residentBytes - a.residentBytes > ResidentSlackBytes)
        return differs("resident KB", a.residentBytes / 1024, b.residentBytes / 1024);
    return {};
}

float Report::BeginFrame(float measuredDt, Registry& registry) {
    frameStart_ = platform::NowNanoseconds();
    return inner_ ? inner_->BeginFrame(measuredDt, registry) : measuredDt;
}

void Report::EndFrame(Registry& registry) {
    if (inner_) inner_->EndFrame(registry);
    roundMs_.push_back(static_cast<double>(platform::NowNanoseconds() - frameStart_) / 1e6);
    const auto& state = registry.singletons.get<singleton::GameState>();
    const std::int32_t level = state.currentLevel;
    if (level != lastLevel_) {
        std::ostringstream line;
        line << "switch " << frame_ << ' ' << lastLevel_ << ' ' << level;
        switches_.push_back(line.str());
    }
    if (level == levels::LevelIndex::MainMenu && lastLevel_ != levels::LevelIndex::MainMenu) {
        Figures f = Take(registry);
        f.frame = frame_;
        f.from = lastLevel_;
        f.frames = static_cast<std::uint32_t>(roundMs_.size());
        double sum = 0.0;
        for (double ms : roundMs_) {
            sum += ms;
            f.worstMs = std::max(f.worstMs, ms);
        }
        f.meanMs = roundMs_.empty() ? 0.0 : sum / static_cast<double>(roundMs_.size());
        roundMs_.clear();
        rows_.push_back(f);
    }
    lastLevel_ = level;
    ++frame_;
}

std::string Report::Text() const {
    std::ostringstream out;
    const auto& names = Catalogue().names;
    out << "row from frame frames mean_ms worst_ms entities textures gl_objects sounds loaded requests channels "
           "loops actions rss_mb";
    for (std::size_t c = 0; c < entity::MaxComponents; ++c) {
        if (names[c].empty())
            out << " c" << c;
        else
            out << ' ' << names[c];
    }
    out << '\n';
    char line[160];
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const Figures& f = rows_[r];
        std::snprintf(line, sizeof line, "%zu %s %llu %u %.3f %.3f %u %u %u %u %u %lld %u %u %u %.1f", r, levels::LevelName(f.from),
                      static_cast<unsigned long long>(f.frame), f.frames, f.meanMs, f.worstMs, f.entities, f.textures,
                      f.glNames, f.sounds, f.loadedSounds, static_cast<long long>(f.requests), f.channels, f.loops, f.actions,
                      static_cast<double>(f.residentBytes) / (1024.0 * 1024.0));
        out << line;
        for (std::uint32_t n : f.pools) out << ' ' << n;
        out << '\n';
    }
    std::string verdict;
    std::size_t compared = 0;
    for (std::size_t r = 0; r < rows_.size() && verdict.empty(); ++r) {
        std::size_t seen = 0, reference = 0;
        for (std::size_t k = 0; k < r; ++k) {
            if (rows_[k].from != rows_[r].from) continue;
            if (++seen == 2) reference = k;
        }
        if (seen < 2) continue;
        ++compared;
        const std::string difference = Difference(rows_[reference], rows_[r]);
        if (!difference.empty()) {
            std::ostringstream line;
            line << "flat: no, row " << r << " (row " << reference << "): " << difference;
            verdict = line.str();
        }
    }
    if (verdict.empty()) {
        std::ostringstream line;
        if (compared)
            line << "flat: yes, " << compared << " rows compared";
        else
            line << "flat: unknown, no arrival came a third time";
        verdict = line.str();
    }
    out << verdict << '\n';
    for (const std::string& s : switches_) out << s << '\n';
    return out.str();
}

}  // namespace velkor::soak
