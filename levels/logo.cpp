#include "levels/logo.hpp"

#include "audio/audio.hpp"
#include "gameplay/input.hpp"
#include "graphics/components.hpp"
#include "levels/level_manager.hpp"
#include "platform/keys.hpp"
#include "serialization/prefab.hpp"

namespace velkor::levels {

namespace {

constexpr const char* LogoPrefab = "Data/Logos/Logo.json";
constexpr const char* AudioCreditPrefab = "Data/Logos/FmodLogo.json";

// A logo's tint alpha, or nullptr when the entity has no graphics.
float* Alpha(Registry& registry, Entity e) {
    if (!registry.alive(e) || !registry.has<component::Graphics>(e)) return nullptr;
    return &registry.get<component::Graphics>(e).Color.a;
}

// Rises 1 per second, and from fadeStart to fadeEnd falls a net 1.2 per second.
void Fade(Registry& registry, Entity logo, float dt, float& elapsed, float fadeStart, float fadeEnd) {
    float* alpha = Alpha(registry, logo);
    if (alpha) *alpha += dt;
    elapsed += dt;
    if (alpha && fadeStart < elapsed && elapsed < fadeEnd) *alpha -= 2.2f * dt;
}

Entity CreateFromFile(const char* path, Registry& registry) { return CreateEntity(ReadJsonFile(path), registry); }

}  // namespace

bool SkipRequested(Registry& registry) {
    const auto& input = input::EnsureInput(registry);
    return input.IsPressed(platform::KeyEnter) || input.IsPressed(platform::KeySpace) || input.IsPressed(platform::KeyEscape) ||
           input.IsPressed(input::MouseLeft) || input.IsPressed(input::MouseRight) || input.IsPressed(input::PadSouth) ||
           input.IsPressed(input::PadEast) || input.IsPressed(input::PadStart);
}

void Logo::Initialize(Registry& registry) {
    elapsed_ = 0.0f;
    first_ = CreateFromFile(LogoPrefab, registry);
    second_ = CreateFromFile(AudioCreditPrefab, registry);
    music_ = audio::RequestSound(MenuMusicPath, true, true);
    auto& settings = registry.singletons.get<singleton::Audio>();
    if (settings.MenuMusicChannel == -1) settings.MenuMusicChannel = audio::PlaySound(music_, 1.0f, 0.0f, audio::Music);
}

void Logo::ReleaseMusic() {
    // A key and a click in the same frame, or a skip in the frame the logo ends, must not give
    // back more than this visit took: the menus' own requests would then count for nothing.
    if (music_ < 0) return;
    audio::UnrequestSound(music_);
    music_ = -1;
}

void Logo::Update(float dt, Registry& registry) {
    if (elapsed_ < 4.0f) Fade(registry, first_, dt, elapsed_, 2.0f, 4.0f);
    // From 4 s on, not only past it: a time of exactly 4 s would otherwise stop both fades, and
    // with them the clock, for good.
    if (elapsed_ >= 4.0f) Fade(registry, second_, dt, elapsed_, 6.0f, 8.0f);
    if (elapsed_ > 8.0f) {
        ReleaseMusic();
        RequestLevel(registry, LevelIndex::TeamLogo);
    }
    if (SkipRequested(registry)) {
        ReleaseMusic();
        RequestLevel(registry, LevelIndex::MainMenu);
    }
}

void Logo::Shutdown(Registry& registry) {
    ReleaseMusic();  // left some other way than by its own request
    DestroyAllEntities(registry);
}

void SingleLogo::Initialize(Registry& registry) {
    elapsed_ = 0.0f;
    logo_ = CreateFromFile(prefab_, registry);
}

void SingleLogo::Update(float dt, Registry& registry) {
    Fade(registry, logo_, dt, elapsed_, 1.5f, 3.0f);
    if (elapsed_ > 3.0f) RequestLevel(registry, next_);
    if (SkipRequested(registry)) RequestLevel(registry, LevelIndex::MainMenu);
}

}  // namespace velkor::levels
