#include "tools/state_hash.hpp"

#include <bit>
#include <sstream>

#include "engine/engine.hpp"
#include "gameplay/input.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/play_state.hpp"
#include "gameplay/player_behavior.hpp"
#include "graphics/camera.hpp"
#include "levels/level_manager.hpp"
#include "serialization/transform.hpp"

namespace velkor::replay {

namespace {

// FNV-1a over 32-bit words: cheap, order-sensitive, and the same on every machine.
class Hasher {
public:
    void Add(std::uint32_t word) noexcept {
        for (int shift = 0; shift < 32; shift += 8) {
            value_ ^= (word >> shift) & 0xFFu;
            value_ *= 0x100000001B3ull;
        }
    }
    void Add(std::int32_t v) noexcept { Add(static_cast<std::uint32_t>(v)); }
    void Add(std::uint64_t v) noexcept {
        Add(static_cast<std::uint32_t>(v));
        Add(static_cast<std::uint32_t>(v >> 32));
    }
    void Add(float v) noexcept { Add(std::bit_cast<std::uint32_t>(v)); }
    void Add(glm::vec2 v) noexcept {
        Add(v.x);
        Add(v.y);
    }
    [[nodiscard]] std::uint64_t Value() const noexcept { return value_; }

private:
    std::uint64_t value_ = 0xCBF29CE484222325ull;
};

std::string Vec(glm::vec2 v) {
    std::ostringstream text;
    text.precision(9);
    text << '(' << v.x << ", " << v.y << ')';
    return text.str();
}

template <class T>
std::string Plain(T v) {
    std::ostringstream text;
    text.precision(9);
    text << v;
    return text.str();
}

}  // namespace

StateSummary SummariseState(Registry& registry) {
    StateSummary s;
    auto& singletons = registry.singletons;

    // Dense pool order: it depends only on the order of adds and removes, which a replay repeats.
    Hasher transforms;
    auto& pool = registry.pool<component::Transform>();
    const auto& owners = pool.entities();
    const auto& values = pool.components();
    for (std::size_t k = 0; k < owners.size(); ++k) {
        transforms.Add(static_cast<std::uint64_t>(owners[k]));
        transforms.Add(values[k].Translation);
        transforms.Add(values[k].Rotation);
        transforms.Add(values[k].Scale);
    }
    s.transformsHash = transforms.Value();
    s.entities = static_cast<std::uint32_t>(owners.size());

    if (singletons.has<singleton::Input>()) {
        Hasher keys;
        const auto& table = singletons.get<singleton::Input>().Keys;
        for (int entry = 0; entry < input::KeyboardMouseEntries; ++entry) keys.Add(table[entry]);
        // Gamepad entries only while down: a run without a gamepad hashes as it did before there
        // were any, so older recordings still replay exactly.
        for (int entry = input::KeyboardMouseEntries; entry < input::TableSize; ++entry) {
            if (table[entry] == input::Up) continue;
            keys.Add(entry);
            keys.Add(table[entry]);
        }
        s.keysHash = keys.Value();
    }
    if (singletons.has<singleton::GameState>()) s.level = singletons.get<singleton::GameState>().currentLevel;
    if (singletons.has<singleton::Level>()) {
        const auto& level = singletons.get<singleton::Level>();
        s.collected = level.collected;
        s.timeLeft = level.timeLeft;
    }
    for (const Entity player : registry.view<component::PlayerBehavior>()) {
        s.playerState = static_cast<std::int32_t>(registry.get<component::PlayerBehavior>(player).State);
        if (registry.has<component::Physics>(player)) s.playerVelocity = registry.get<component::Physics>(player).Velocity;
        if (registry.has<component::Transform>(player))
            s.playerPosition = registry.get<component::Transform>(player).Translation;
        break;
    }
    if (singletons.has<singleton::Camera>()) s.camera = singletons.get<singleton::Camera>().Position;

    Hasher all;
    all.Add(s.transformsHash);
    all.Add(s.keysHash);
    all.Add(s.entities);
    all.Add(s.level);
    all.Add(s.collected);
    all.Add(s.timeLeft);
    all.Add(s.playerState);
    all.Add(s.playerVelocity);
    all.Add(s.playerPosition);
    all.Add(s.camera);
    s.hash = all.Value();
    return s;
}

std::string DescribeDifference(const StateSummary& recorded, const StateSummary& now) {
    std::string text;
    auto differs = [&text](const std::string& what, const std::string& then, const std::string& current) {
        if (!text.empty()) text += "; ";
        text += what + " " + then + " recorded, " + current + " now";
    };
    if (recorded.keysHash != now.keysHash) text = "the key table differs";
    if (recorded.level != now.level) differs("level", Plain(recorded.level), Plain(now.level));
    if (recorded.playerState != now.playerState)
        differs("player state", Plain(recorded.playerState), Plain(now.playerState));
    if (recorded.playerPosition != now.playerPosition)
        differs("player position", Vec(recorded.playerPosition), Vec(now.playerPosition));
    if (recorded.playerVelocity != now.playerVelocity)
        differs("player velocity", Vec(recorded.playerVelocity), Vec(now.playerVelocity));
    if (recorded.timeLeft != now.timeLeft) differs("time left", Plain(recorded.timeLeft), Plain(now.timeLeft));
    if (recorded.collected != now.collected) differs("collected", Plain(recorded.collected), Plain(now.collected));
    if (recorded.camera != now.camera) differs("camera", Vec(recorded.camera), Vec(now.camera));
    if (recorded.entities != now.entities || recorded.transformsHash != now.transformsHash) {
        if (!text.empty()) text += "; ";
        text += "transforms differ (" + Plain(recorded.entities) + " entities recorded, " + Plain(now.entities) + " now)";
    }
    if (text.empty() && recorded.hash != now.hash) text = "state hash differs";
    return text;
}

}  // namespace velkor::replay
