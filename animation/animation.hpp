// Skeletal animation in the game: the Animation component, its reader, the play calls the player's
// behaviour makes, and the system that advances every skeleton and turns its pose into the entity's
// Graphics mesh.
//
// Contract:
// - The component owns its runtime objects. Atlas, skeleton data and mix table are shared by
//   copies of a component (they never change once read); skeleton and animation state are copied.
//   Removing the component (or destroying its entity) releases them; page textures stay in the
//   Texture cache, which owns them.
// - A component whose files are missing or malformed stays empty (trace messages say why) and the
//   system passes over it.
// - Events: after advancing every skeleton, the system calls each entity's `onEvent` with the
//   events its animations passed that frame, in time order. The call may create and destroy
//   entities; an entity destroyed meanwhile gets no more calls.
// - The system writes positions divided by the skeleton's height, so a skeleton is one unit tall
//   in its entity's local space and the Transform scale sets its size. It does not look at the
//   Physics singleton: skeletons keep moving while the game is paused.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <rapidjson/document.h>

#include "engine/system.hpp"
#include "graphics/components.hpp"
#include "serialization/transform.hpp"
#include "spine/skeleton_mesh.hpp"
#include "spine/spine.hpp"

namespace velkor {
class ContentReport;
}

namespace velkor::component {

struct Animation {
    std::shared_ptr<const spine::Atlas> atlas;
    std::shared_ptr<const spine::SkeletonData> skeletonData;
    std::shared_ptr<spine::AnimationStateData> stateData;
    std::unique_ptr<spine::Skeleton> skeleton;
    std::unique_ptr<spine::AnimationState> state;
    std::string current;  // the name the playing animation was requested under
    std::map<std::string, std::string, std::less<>> aliases;  // game name -> animation in the file
    // Game code's hook for animation events (footsteps and the like); empty: nobody listens.
    std::function<void(Entity, const spine::FiredEvent&)> onEvent;

    Animation() = default;
    Animation(Animation&&) noexcept = default;
    Animation& operator=(Animation&&) noexcept = default;
    Animation(const Animation& other);
    Animation& operator=(const Animation& other);
    ~Animation() = default;
};

// "Atlas" and "Json" (required) and "Data" (optional): loads everything the component needs.
void ReadAnimation(Entity e, Registry& registry, const rapidjson::Value& json);

// For the content checker: the atlas, skeleton and data files, and the data's names in the skeleton.
void CheckAnimation(ContentReport& report, const rapidjson::Value& json, const rapidjson::Value& prefab, const std::string& pointer);

// The animation data file: "DefaultMix" (0.5 when absent), "Mixes" [[from, to, seconds]...] and
// "AnimationAliases" {alias: animation}. A missing or unreadable file gives the default mix only.
void ReadAnimationData(Animation& component, spine::AnimationStateData& stateData, const std::string& path);

}  // namespace velkor::component

namespace velkor::util::Animation {

// Page images come from the Texture cache; the cache keeps them, so unloading does nothing.
class TextureLoader final : public spine::TextureLoader {
public:
    explicit TextureLoader(Registry& registry) : registry_(registry) {}
    void Load(spine::AtlasPage& page, const std::string& path) override;
    void Unload(void* texture) override;

private:
    Registry& registry_;
};

// Plays `name` (an alias or an animation of the file) on track 0, cross-fading from what played.
// A request for the name already playing does nothing, so it never restarts; an unknown name
// changes nothing. True when an animation was started.
bool Play(component::Animation& animation, std::string_view name, bool loop);

// The calls the player's behaviour makes; each is harmless on an empty component.
[[nodiscard]] bool Completed(const component::Animation& animation);  // track 0 has run to its end
void Clear(component::Animation& animation);  // stops track 0; the pose stays
void SetTimeScale(component::Animation& animation, float scale);
void Face(component::Animation& animation, float direction);  // flips the skeleton to face -x or +x

}  // namespace velkor::util::Animation

namespace velkor::system {

class Animation final : public System<std::tuple<component::Animation, component::Transform, component::Graphics>> {
public:
    // What the last entity of the last update uploaded (tests and benchmarks).
    struct Lists {
        const std::vector<util::Graphics::Vertex>& vertices;
        const std::vector<unsigned>& indices;
    };
    [[nodiscard]] Lists LastMesh() const noexcept { return {vertices_, mesher_.indices}; }

protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;

private:
    struct Fired {
        Entity entity;
        const spine::SkeletonData* data;  // tells a destroyed and re-made entity apart
        spine::FiredEvent event;
    };

    // Scratch storage shared by every entity and frame; it grows to the largest skeleton.
    std::vector<util::Graphics::Vertex> vertices_;
    spine::SkeletonMesher mesher_;
    std::vector<Fired> fired_;
    Registry* hookRegistry_ = nullptr;
    int hookPosition_ = -1;
};

}  // namespace velkor::system
