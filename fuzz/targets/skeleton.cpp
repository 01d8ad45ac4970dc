// Skeleton JSON through the skeletal runtime: read against a small atlas, then posed in its setup
// pose and through every animation it declares (constraints, events and clipping included), and
// turned into triangles, as the Animation system would.
#include <string_view>

#include "fuzz_support.hpp"
#include "spine/animation_state.hpp"
#include "spine/atlas.hpp"
#include "spine/skeleton.hpp"
#include "spine/skeleton_json.hpp"
#include "spine/skeleton_mesh.hpp"

namespace {

// Regions under the names hand-written skeletons and our tests use most.
constexpr std::string_view AtlasText =
    "fuzz.png\nsize: 64,64\nformat: RGBA8888\nfilter: Linear,Linear\nrepeat: none\n"
    "body\n  rotate: false\n  xy: 0, 0\n  size: 32, 32\n  orig: 32, 32\n  offset: 0, 0\n  index: -1\n"
    "head\n  rotate: true\n  xy: 32, 0\n  size: 16, 16\n  orig: 16, 16\n  offset: 0, 0\n  index: -1\n"
    "a\n  rotate: false\n  xy: 0, 32\n  size: 8, 8\n  orig: 8, 8\n  offset: 0, 0\n  index: -1\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkor::spine;
    velkor::fuzz::Start();
    static const auto atlas = Atlas::Parse(AtlasText, "Assets/fuzz", nullptr, "fuzz.atlas");
    const std::string_view json(reinterpret_cast<const char*>(data), size);
    const auto skeletonData = ParseSkeletonData(json, *atlas, "fuzz.json");
    if (!skeletonData) return 0;
    Skeleton skeleton(*skeletonData);
    skeleton.SetToSetupPose();
    skeleton.UpdateWorldTransform();
    AnimationStateData stateData(*skeletonData);
    stateData.defaultMix = 0.1f;
    AnimationState state(stateData);
    std::size_t heard = 0;
    state.listener = [&](const FiredEvent& fired) { heard += fired.event->stringValue.size(); };
    SkeletonMesher mesher;
    for (const auto& skin : skeletonData->skins) skeleton.SetSkin(skin->name);
    for (const auto& animation : skeletonData->animations) {
        state.SetAnimation(0, animation.get(), true);
        for (int i = 0; i < 3; ++i) {
            state.Update(0.05f);
            state.Apply(skeleton);
            skeleton.UpdateWorldTransform();
            mesher.Build(skeleton);
            for (unsigned index : mesher.indices)
                if (index >= mesher.vertices.size()) __builtin_trap();  // a triangle past its vertices
        }
    }
    return 0;
}
