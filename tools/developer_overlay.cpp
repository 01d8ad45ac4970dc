#include "tools/developer_overlay.hpp"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include <imgui.h>

#include "audio/audio.hpp"
#include "audio/device.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/player_behavior.hpp"
#include "graphics/debug_draw.hpp"
#include "levels/level_manager.hpp"
#include "serialization/catalogue.hpp"
#include "serialization/transform.hpp"
#include "tools/cheat_codes.hpp"

namespace velkor::tools {

namespace {


// Where it first appears and its width, so the level buttons sit where a developer (and the
// end-to-end test) expects them until it is moved or docked.
constexpr float OverlayX = 16.0f;
constexpr float OverlayY = 16.0f;
constexpr float OverlayWidth = 440.0f;

const char* PlayerStateName(component::PlayerState state) noexcept {
    constexpr const char* names[] = {"Idle", "Run", "JumpWindup", "Airborne", "HazardDeath", "FallDeath", "Dash", "Finish"};
    const auto index = static_cast<std::size_t>(state);
    return index < std::size(names) ? names[index] : "?";
}

void DrawFrameTimes(const OverlayState& state) {
    const float average = state.AverageMilliseconds();
    ImGui::Text("%.1f fps  (%.2f ms per frame, mean of %zu)", average > 0.0f ? 1000.0f / average : 0.0f, average,
                state.recorded);
    // PlotLines reads from values_offset onwards and wraps: the oldest sample first.
    ImGui::PlotLines("##frames", state.frameMilliseconds.data(), static_cast<int>(FrameHistory),
                     static_cast<int>(state.next), "frame ms (last 300)", 0.0f, 50.0f, ImVec2(OverlayWidth - 16.0f, 60.0f));
}

void DrawLevels(Registry& registry) {
    auto& singletons = registry.singletons;
    if (!singletons.has<singleton::GameState>()) {
        ImGui::TextUnformatted("Level: no level manager");
        return;
    }
    const auto& state = singletons.get<singleton::GameState>();
    ImGui::Text("Level: %d %s", state.currentLevel, levels::LevelName(state.currentLevel));
    for (int i = 0; i < levels::LevelIndex::Count; ++i) {
        if (i > 0) ImGui::SameLine();
        char label[8];
        std::snprintf(label, sizeof label, "%d", i);
        if (ImGui::Button(label, ImVec2(28.0f, 0.0f))) levels::RequestLevel(registry, i);
        if (ImGui::IsItemHovered()) ImGui::SetTooltip("%s", levels::LevelName(i));
    }
}

void DrawEntities(const Registry& registry) {
    ImGui::Text("Entities: %zu of %zu", CountEntities(registry), entity::MaxEntities);
    if (!ImGui::TreeNode("Components")) return;
    std::array<std::size_t, entity::MaxComponents> counts{};
    for (Entity e = 0; e < entity::MaxEntities; ++e) {
        if (!registry.alive(e)) continue;
        for (std::size_t i = 0; i < entity::MaxComponents; ++i) {
            const entity::generic_pool* pool = registry.pool_at(i);
            if (pool && pool->contains(e)) ++counts[i];
        }
    }
    const auto& names = Catalogue().names;
    for (std::size_t i = 0; i < entity::MaxComponents; ++i)
        ImGui::Text("%2zu %-16s %zu", i, names[i].empty() ? "?" : names[i].c_str(), counts[i]);
    ImGui::TreePop();
}

void DrawDebugDraw(Registry& registry) {
    if (!registry.singletons.has<singleton::DebugDraw>()) return;
    auto& draw = registry.singletons.get<singleton::DebugDraw>();
    ImGui::TextUnformatted("Debug draw:");
    ImGui::SameLine();
    ImGui::Checkbox("meshes", &draw.EnableMesh);
    ImGui::SameLine();
    ImGui::Checkbox("colliders", &draw.EnableCollider);
    ImGui::SameLine();
    ImGui::Checkbox("vectors", &draw.EnableVector);
}

void DrawPlayer(Registry& registry) {
    const auto player = util::FindPlayer(registry);
    if (!player) {
        ImGui::TextUnformatted("Player: none");
    } else {
        const Entity e = *player;
        const auto& behavior = registry.get<component::PlayerBehavior>(e);
        ImGui::Text("Player %llu: %s%s", static_cast<unsigned long long>(e), PlayerStateName(behavior.State),
                    behavior.Grounded || behavior.WasGrounded ? ", grounded" : "");
        if (registry.has<component::Transform>(e)) {
            const glm::vec2 p = registry.get<component::Transform>(e).Translation;
            ImGui::Text("  position (%.2f, %.2f)", p.x, p.y);
        }
        if (registry.has<component::Physics>(e)) {
            const glm::vec2 v = registry.get<component::Physics>(e).Velocity;
            ImGui::Text("  velocity (%.2f, %.2f)", v.x, v.y);
        }
    }
    if (!registry.singletons.has<singleton::DeveloperCheats>()) return;
    auto& cheats = registry.singletons.get<singleton::DeveloperCheats>();
    ImGui::TextUnformatted("Cheats:");
    ImGui::SameLine();
    ImGui::Checkbox("immune", &cheats.Immune);
    ImGui::SameLine();
    ImGui::Checkbox("infinite jump", &cheats.InfiniteJump);
}

void DrawChannels() {
    namespace device = audio::device;
    device::System* system = audio::DeviceSystem();
    if (!system) {
        ImGui::TextUnformatted("Sound: no device");
        return;
    }
    int playing = 0;
    for (int i = 0; i < audio::ChannelCount; ++i) {
        device::Channel channel{};
        bool isPlaying = false;
        if (device::GetChannel(system, i, &channel) != device::Result::Ok) continue;
        if (device::ChannelIsPlaying(channel, &isPlaying) != device::Result::Ok || !isPlaying) continue;
        if (playing++ == 0) ImGui::TextUnformatted("Channels in use:");
        ImGui::Text("  %2d  volume %.2f", i, audio::ChannelVolume(i));
    }
    if (playing == 0) ImGui::TextUnformatted("Channels in use: none");
}

}  // namespace

void OverlayState::RecordFrame(float seconds) noexcept {
    frameMilliseconds[next] = seconds * 1000.0f;
    next = (next + 1) % FrameHistory;
    recorded = std::min(recorded + 1, FrameHistory);
}

float OverlayState::AverageMilliseconds() const noexcept {
    if (recorded == 0) return 0.0f;
    float sum = 0.0f;
    // The recorded samples are the `recorded` entries before `next`, wrapping.
    for (std::size_t i = 0; i < recorded; ++i) sum += frameMilliseconds[(next + FrameHistory - 1 - i) % FrameHistory];
    return sum / static_cast<float>(recorded);
}

std::size_t CountEntities(const Registry& registry) noexcept {
    std::size_t count = 0;
    for (Entity e = 0; e < entity::MaxEntities; ++e) count += registry.alive(e) ? 1 : 0;
    return count;
}

void DrawDeveloperOverlay(Registry& registry, OverlayState& state) {
    ImGui::SetNextWindowPos(ImVec2(OverlayX, OverlayY), ImGuiCond_FirstUseEver);
    ImGui::SetNextWindowSize(ImVec2(OverlayWidth, 0.0f), ImGuiCond_FirstUseEver);
    ImGui::SetNextWindowBgAlpha(0.85f);
    // No focus on appearing: the keys stay the game's until the developer clicks into the overlay.
    // No saved settings: it always opens where the level buttons are expected.
    if (ImGui::Begin("Developer (F1)", nullptr,
                     ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoSavedSettings |
                         ImGuiWindowFlags_NoFocusOnAppearing)) {
        DrawLevels(registry);
        ImGui::Separator();
        DrawFrameTimes(state);
        ImGui::Separator();
        DrawPlayer(registry);
        DrawDebugDraw(registry);
        ImGui::Separator();
        DrawEntities(registry);
        DrawChannels();
    }
    ImGui::End();
}

}  // namespace velkor::tools
