#include "levels/menu_screen.hpp"

#include "audio/audio.hpp"
#include "gameplay/hud.hpp"
#include "gameplay/physics.hpp"
#include "graphics/components.hpp"
#include "levels/level_state.hpp"
#include "levels/logo.hpp"

namespace velkor::levels {

int StartMenuMusic(Registry& registry) {
    const int index = audio::RequestSound(MenuMusicPath, true, true);
    auto& settings = registry.singletons.get<singleton::Audio>();
    if (settings.MenuMusicChannel == -1) settings.MenuMusicChannel = audio::PlaySound(index, 1.0f, 0.0f, audio::Music);
    return index;
}

void StartMenuMusicFrom(Registry& registry, Entity e, const char* name) {
    auto& settings = registry.singletons.get<singleton::Audio>();
    if (settings.MenuMusicChannel != -1) return;
    const component::Audio* sounds =
        registry.alive(e) && registry.has<component::Audio>(e) ? &registry.get<component::Audio>(e) : nullptr;
    const int entry = audio::FindSound(sounds, name);  // the sound's index, -1 if none
    settings.MenuMusicChannel =
        audio::PlaySound(entry, 1.0f, 0.0f, audio::Music);
}

void StopMenuMusic(Registry& registry) {
    audio::StopGroup(audio::Music);
    registry.singletons.get<singleton::Audio>().MenuMusicChannel = -1;
}

void MusicRequest::Release() {
    if (index_ < 0) return;
    audio::UnrequestSound(index_);
    index_ = -1;
}

void FreezeFinishedLevel(Registry& registry) {
    physics::Active(registry) = false;
    for (Entity e : registry.view<component::HUD, component::Graphics>()) SetVisible(registry, e, false);
    if (registry.singletons.has<singleton::Level>()) {
        // Entity 0 is also what a record that no level filled in holds: hide it only if it is HUD.
        const auto& level = registry.singletons.get<singleton::Level>();
        for (Entity e : {level.levelHud, level.collectiblesCounter})
            if (e != 0 || (registry.alive(e) && registry.has<component::HUD>(e))) SetVisible(registry, e, false);
    }
}

}  // namespace velkor::levels
