#include "animation/animation.hpp"

#include <cmath>
#include <cstring>

#include "engine/trace.hpp"
#include "graphics/texture.hpp"
#include "serialization/json_read.hpp"
#include "serialization/prefab.hpp"
#include "serialization/content_rules.hpp"

namespace velkor::component {

namespace {

constexpr float DefaultMix = 0.5f;

}  // namespace

Animation::Animation(const Animation& other)
    : atlas(other.atlas),
      skeletonData(other.skeletonData),
      stateData(other.stateData),
      skeleton(other.skeleton ? std::make_unique<spine::Skeleton>(*other.skeleton) : nullptr),
      state(other.state ? std::make_unique<spine::AnimationState>(*other.state) : nullptr),
      current(other.current),
      aliases(other.aliases),
      onEvent(other.onEvent) {}

Animation& Animation::operator=(const Animation& other) {
    if (this != &other) *this = Animation(other);
    return *this;
}

void ReadAnimation(Entity e, Registry& registry, const rapidjson::Value& json) {
    registry.get_or_add<Animation>(e);
    std::string atlasPath, jsonPath, dataPath;
    if (!json::ReadString(json, "Atlas", atlasPath) || !json::ReadString(json, "Json", jsonPath)) return;
    json::ReadString(json, "Data", dataPath);

    Animation loaded;
    {
        util::Animation::TextureLoader loader(registry);
        loaded.atlas = spine::Atlas::Load(atlasPath, &loader);
    }
    if (loaded.atlas) loaded.skeletonData = spine::ReadSkeletonData(jsonPath, *loaded.atlas);
    if (loaded.skeletonData) {
        loaded.skeleton = std::make_unique<spine::Skeleton>(*loaded.skeletonData);
        auto stateData = std::make_shared<spine::AnimationStateData>(*loaded.skeletonData);
        ReadAnimationData(loaded, *stateData, dataPath);
        loaded.stateData = std::move(stateData);
        loaded.state = std::make_unique<spine::AnimationState>(*loaded.stateData);
    } else {
        loaded = Animation();  // what failed was traced; the component stays empty
    }
    // Looked up again: reading may have run hooks that add components to the entity.
    registry.get<Animation>(e) = std::move(loaded);
}

void ReadAnimationData(Animation& component, spine::AnimationStateData& stateData, const std::string& path) {
    const rapidjson::Document document = ReadJsonFile(path);
    stateData.defaultMix = DefaultMix;
    if (!document.IsObject()) return;
    json::ReadFloat(document, "DefaultMix", stateData.defaultMix);
    if (const auto* mixes = json::Find(document, "Mixes"); mixes && mixes->IsArray()) {
        for (const auto& mix : mixes->GetArray()) {
            if (!mix.IsArray() || mix.Size() < 3 || !mix[0].IsString() || !mix[1].IsString() || !mix[2].IsNumber()) {
                Trace("Animation data " + path + ": a mix is not [from, to, seconds]\n");
                continue;
            }
            if (!stateData.SetMix(mix[0].GetString(), mix[1].GetString(), static_cast<float>(mix[2].GetDouble())))
                Trace("Animation data " + path + ": no animation for the mix " + mix[0].GetString() + " -> " +
                      mix[1].GetString() + "\n");
        }
    }
    if (const auto* aliases = json::Find(document, "AnimationAliases"); aliases && aliases->IsObject()) {
        for (const auto& alias : aliases->GetObject()) {
            if (!alias.value.IsString()) continue;
            component.aliases.insert_or_assign(alias.name.GetString(), alias.value.GetString());
        }
    }
}

void CheckAnimation(ContentReport& report, const rapidjson::Value& json, const rapidjson::Value&, const std::string& pointer) {
    report.CheckInPlace(json, pointer, ContentForm::Animation);
}

}  // namespace velkor::component

namespace velkor::util::Animation {

void TextureLoader::Load(spine::AtlasPage& page, const std::string& path) {
    const TextureEntry* entry = GetTexture(registry_.singletons, path);
    if (page.rendererObject && page.rendererObject != entry && page.releaseRendererObject)
        page.releaseRendererObject(page.rendererObject);
    page.rendererObject = const_cast<TextureEntry*>(entry);
    page.releaseRendererObject = nullptr;
    // An image that failed to load keeps the size the atlas states, so texture coordinates stay
    // right should the image appear later.
    if (entry->width > 0 && entry->height > 0) {
        page.width = entry->width;
        page.height = entry->height;
    }
}

void TextureLoader::Unload(void*) {}

bool Play(component::Animation& animation, std::string_view name, bool loop) {
    if (!animation.state || name == animation.current) return false;
    const auto alias = animation.aliases.find(name);
    const std::string_view resolved = alias == animation.aliases.end() ? name : std::string_view(alias->second);
    const spine::Animation* found = animation.skeletonData->FindAnimation(resolved);
    if (!found) return false;
    animation.state->SetAnimation(0, found, loop);
    animation.current = std::string(name);
    return true;
}

bool Completed(const component::Animation& animation) {
    const spine::TrackEntry* entry = animation.state ? animation.state->GetCurrent(0) : nullptr;
    return entry && entry->IsComplete();
}

void Clear(component::Animation& animation) {
    if (animation.state) animation.state->ClearTrack(0);
}

void SetTimeScale(component::Animation& animation, float scale) {
    if (animation.state) animation.state->timeScale = scale;
}

void Face(component::Animation& animation, float direction) {
    if (!animation.skeleton || direction == 0) return;
    const float size = std::abs(animation.skeleton->scaleX);
    animation.skeleton->scaleX = direction < 0 ? -size : size;
}

}  // namespace velkor::util::Animation

namespace velkor::system {

void Animation::InitHook(Registry& registry) {
    hookRegistry_ = &registry;
    hookPosition_ = registry.pool<component::Animation>().connect_on_add([&registry](Entity e, component::Animation&) {
        if (!registry.has<component::Graphics>(e)) registry.add<component::Graphics>(e);
    });
}

void Animation::UpdateHook(float dt, View& view) {
    Registry& registry = view.get_registry();
    auto& animations = registry.pool<component::Animation>();
    auto& graphics = registry.pool<component::Graphics>();
    fired_.clear();
    for (Entity e : view) {
        component::Animation& animation = animations.get(e);
        if (!animation.state || !animation.skeleton) continue;
        spine::Skeleton& skeleton = *animation.skeleton;
        animation.state->Update(dt);
        if (animation.onEvent)
            for (const spine::FiredEvent& event : animation.state->Events())
                fired_.push_back({e, animation.skeletonData.get(), event});
        animation.state->Apply(skeleton);
        skeleton.UpdateWorldTransform();

        const auto* texture = animation.atlas->pages.empty()
                                  ? nullptr
                                  : static_cast<const util::TextureEntry*>(animation.atlas->pages.front().rendererObject);
        const float height = skeleton.Data().height;
        const float scale = texture && height > 0 ? 1.0f / height : 1.0f;
        mesher_.Build(skeleton, scale);
        // The mesher's vertex is the graphics vertex, float for float.
        static_assert(sizeof(spine::SkeletonMesher::Vertex) == sizeof(util::Graphics::Vertex));
        vertices_.resize(mesher_.vertices.size());
        if (!vertices_.empty())
            std::memcpy(static_cast<void*>(vertices_.data()), mesher_.vertices.data(), vertices_.size() * sizeof(util::Graphics::Vertex));

        component::Graphics& g = graphics.get(e);
        if (g.Mesh.vertexArray != 0) util::Graphics::RefillMesh(g.Mesh, vertices_, mesher_.indices);
        else g.Mesh = util::Graphics::BuildMesh(vertices_, mesher_.indices);
        g.Texture = texture;
    }
    // Listeners run once every mesh is built: they may create and destroy entities.
    for (const Fired& fired : fired_) {
        if (!registry.has<component::Animation>(fired.entity)) continue;
        const component::Animation& animation = registry.get<component::Animation>(fired.entity);
        if (animation.skeletonData.get() != fired.data || !animation.onEvent) continue;
        const auto listener = animation.onEvent;  // the call may remove the component that holds it
        listener(fired.entity, fired.event);
    }
}

void Animation::ShutdownHook(Registry& registry) {
    if (hookRegistry_ == &registry && hookPosition_ >= 0)
        registry.pool<component::Animation>().disconnect_on_add(hookPosition_);
    hookRegistry_ = nullptr;
    hookPosition_ = -1;
}

}  // namespace velkor::system
