#include "gameplay/effects.hpp"

#include "audio/audio.hpp"
#include "gameplay/play_state.hpp"
#include "serialization/prefab.hpp"
#include "serialization/transform.hpp"

namespace velkor::util {

int PlayLevelSound(Registry& registry, std::string_view name, float volume, float pitchOffset, int group) {
    auto& singletons = registry.singletons;
    const component::Audio* sounds =
        singletons.has<singleton::Level>() ? &singletons.get<singleton::Level>().sounds : nullptr;
    return audio::PlaySound(audio::FindSound(sounds, name), volume, pitchOffset, group);
}

Entity SpawnEffect(Registry& registry, const std::string& path, glm::vec2 at) {
    const rapidjson::Document prefab = ReadJsonFile(path);
    const Entity e = CreateEntity(prefab, registry);
    if (e != NoEntity && registry.alive(e) && registry.has<component::Transform>(e))
        registry.get<component::Transform>(e).SetTranslation(at);
    return e;
}

}  // namespace velkor::util
