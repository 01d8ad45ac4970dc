// The Animation component and system without a GL context: reading, play requests, mixes, the
// mesh the system builds, release on removal.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include <glm/gtc/matrix_transform.hpp>

#include "animation/animation.hpp"
#include "serialization/prefab.hpp"
#include "support/json.hpp"
#include "support/spine_fixture.hpp"
#include "support/trace_capture.hpp"

namespace velkor {
namespace {

namespace fs = std::filesystem;

// Two region slots on one bone, 200 units tall; "idle" and "run" loop, "finish" plays once in 0.5 s.
constexpr const char* TwoRegions = R"({
"skeleton": { "spine": "3.8.75", "width": 50, "height": 200 },
"bones": [ { "name": "root" }, { "name": "top", "parent": "root", "y": 90 } ],
"slots": [ { "name": "a", "bone": "root", "attachment": "body", "color": "80ffffff" },
           { "name": "b", "bone": "top", "attachment": "head" } ],
"skins": [ { "name": "default", "attachments": {
  "a": { "body": { "width": 50, "height": 200 } },
  "b": { "head": { "width": 20, "height": 20 } } } } ],
"animations": {
  "idle": { "bones": { "top": { "translate": [ { "x": 0 }, { "time": 1, "x": 10 } ] } } },
  "run": { "bones": { "top": { "translate": [ { "x": -10 } ] } } },
  "finish": { "bones": { "top": { "translate": [ { "x": 0 }, { "time": 0.5, "x": 20 } ] } } }
}
})";

constexpr const char* MixData = R"({ "DefaultMix": 0.2, "Mixes": [ [ "idle", "run", 0.1 ], [ "idle", "nowhere", 1 ], 7 ],
  "AnimationAliases": { "walk": "run", "broken": 3 } })";

class AnimationComponent : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = test::spine_fixture::WriteFiles("velkor_animation_component");
        std::ofstream(dir_ / "two.json") << TwoRegions;
        std::ofstream(dir_ / "mix.json") << MixData;
        registry_ = std::make_unique<Registry>();
        system_.Init(*registry_);
    }
    void TearDown() override {
        registry_->clear();
        system_.Shutdown(*registry_);
    }

    Entity Create(const std::string& skeleton = "two.json", const std::string& data = "mix.json",
                  const char* transform = R"({"Translation": [0, 0], "Scale": [1, 1]})") {
        const std::string prefab = R"({"Transform": )" + std::string(transform) + R"(, "Animation": {"Atlas": ")" +
                                   (dir_ / "hero.atlas").generic_string() + R"(", "Json": ")" + (dir_ / skeleton).generic_string() +
                                   R"(", "Data": ")" + (dir_ / data).generic_string() + R"("}})";
        return CreateEntity(test::Parse(prefab.c_str()), *registry_);
    }

    // Checked: a prefab that made no animation fails the test rather than reading a component
    // that was never made (Release builds do not check get<>).
    component::Animation& Get(Entity e) {
        if (!registry_->alive(e) || !registry_->has<component::Animation>(e))
            throw std::logic_error("entity " + std::to_string(e) + " has no Animation");
        return registry_->get<component::Animation>(e);
    }
    float TopX(Entity e) { return Get(e).skeleton->bones[1].x; }

    fs::path dir_;
    std::unique_ptr<Registry> registry_;
    system::Animation system_;
};

TEST_F(AnimationComponent, ReadsFilesMixesAndAliasesAndAddsGraphics) {
    test::TraceCapture trace;
    const Entity e = Create();
    component::Animation& a = Get(e);
    ASSERT_TRUE(a.atlas && a.skeletonData && a.stateData && a.skeleton && a.state);
    EXPECT_TRUE(registry_->has<component::Graphics>(e));
    EXPECT_TRUE(a.current.empty());
    EXPECT_FLOAT_EQ(a.stateData->defaultMix, 0.2f);
    const auto* idle = a.skeletonData->FindAnimation("idle");
    const auto* run = a.skeletonData->FindAnimation("run");
    EXPECT_FLOAT_EQ(a.stateData->GetMix(idle, run), 0.1f);
    EXPECT_FLOAT_EQ(a.stateData->GetMix(run, idle), 0.2f);
    EXPECT_EQ(a.aliases, (std::map<std::string, std::string, std::less<>>{{"walk", "run"}}));
    EXPECT_TRUE(trace.contains("Animation data " + (dir_ / "mix.json").generic_string() +
                               ": no animation for the mix idle -> nowhere\n"));
    EXPECT_TRUE(trace.contains("Animation data " + (dir_ / "mix.json").generic_string() + ": a mix is not [from, to, seconds]\n"));
    // The page texture came from the cache (its image does not exist: id 0, the atlas's own size).
    ASSERT_TRUE(registry_->singletons.has<singleton::Texture>());
    EXPECT_EQ(a.atlas->pages[0].rendererObject,
              &registry_->singletons.get<singleton::Texture>().map.at((dir_ / "hero.png").generic_string()));
    EXPECT_EQ(a.atlas->pages[0].width, 64);

    // No data file: only the default mix.
    const Entity plain = Create("two.json", "absent.json");
    EXPECT_FLOAT_EQ(Get(plain).stateData->defaultMix, 0.5f);
    EXPECT_TRUE(Get(plain).aliases.empty());
}

TEST_F(AnimationComponent, MissingOrBrokenFilesLeaveAnEmptyComponentTheSystemPassesOver) {
    std::ofstream(dir_ / "cut.json") << std::string(TwoRegions).substr(0, 120);
    test::TraceCapture trace;
    const Entity cut = Create("cut.json");
    const Entity missing = Create("gone.json");
    const Entity noJson = CreateEntity(test::Parse(R"({"Transform": {}, "Animation": {"Atlas": "x.atlas"}})"), *registry_);
    for (Entity e : {cut, missing, noJson}) {
        const component::Animation& a = Get(e);
        EXPECT_FALSE(a.atlas || a.skeletonData || a.stateData || a.skeleton || a.state) << e;
        EXPECT_FALSE(util::Animation::Play(Get(e), "idle", true));
        EXPECT_FALSE(util::Animation::Completed(Get(e)));
    }
    EXPECT_TRUE(trace.contains("Skeleton " + (dir_ / "gone.json").generic_string() + ": cannot open the file\n"));
    system_.Update(0.1f, *registry_);  // passes over them
    EXPECT_EQ(registry_->get<component::Graphics>(cut).Mesh.indexCount, 0u);
}

TEST_F(AnimationComponent, PlayNeverRestartsTheSameNameAndResolvesAliases) {
    const Entity e = Create();
    ASSERT_TRUE(util::Animation::Play(Get(e), "idle", true));
    system_.Update(0.5f, *registry_);
    EXPECT_NEAR(TopX(e), 5, 1e-5);
    EXPECT_FALSE(util::Animation::Play(Get(e), "idle", true));  // no restart
    system_.Update(0.25f, *registry_);
    EXPECT_NEAR(TopX(e), 7.5f, 1e-5);

    // idle -> walk (= run) fades over the pair's 0.1 s.
    ASSERT_TRUE(util::Animation::Play(Get(e), "walk", true));
    EXPECT_EQ(Get(e).current, "walk");
    system_.Update(0.05f, *registry_);  // idle now at 0.8 (x 8), halfway to run's -10
    EXPECT_NEAR(TopX(e), -1, 1e-4);
    system_.Update(0.05f, *registry_);
    EXPECT_NEAR(TopX(e), -10, 1e-5);
    // The real name differs from the alias: one restart (run -> run mixes over the default 0.2 s).
    ASSERT_TRUE(util::Animation::Play(Get(e), "run", true));
    EXPECT_FALSE(util::Animation::Play(Get(e), "run", true));
    EXPECT_FLOAT_EQ(Get(e).state->GetCurrent(0)->mixDuration, 0.2f);
    EXPECT_FLOAT_EQ(Get(e).state->GetCurrent(0)->trackTime, 0);
    // An unknown name changes nothing.
    EXPECT_FALSE(util::Animation::Play(Get(e), "fly", true));
    EXPECT_EQ(Get(e).current, "run");

    // run -> idle takes the default 0.2 s.
    system_.Update(0.3f, *registry_);
    ASSERT_TRUE(util::Animation::Play(Get(e), "idle", true));
    system_.Update(0.1f, *registry_);
    EXPECT_NEAR(TopX(e), -4.5f, 1e-4);  // halfway from -10 to idle's 1.0 at 0.1 s
}

TEST_F(AnimationComponent, CompletionTimeScaleFacingAndClearing) {
    const Entity e = Create();
    ASSERT_TRUE(util::Animation::Play(Get(e), "finish", false));
    util::Animation::SetTimeScale(Get(e), 2);
    system_.Update(0.2f, *registry_);
    EXPECT_FALSE(util::Animation::Completed(Get(e)));
    system_.Update(0.05f, *registry_);
    EXPECT_TRUE(util::Animation::Completed(Get(e)));
    EXPECT_NEAR(TopX(e), 20, 1e-5);

    util::Animation::Face(Get(e), -1);
    EXPECT_FLOAT_EQ(Get(e).skeleton->scaleX, -1);
    util::Animation::Face(Get(e), 0);  // no direction: keeps facing
    EXPECT_FLOAT_EQ(Get(e).skeleton->scaleX, -1);
    util::Animation::Face(Get(e), 3);
    EXPECT_FLOAT_EQ(Get(e).skeleton->scaleX, 1);

    util::Animation::Clear(Get(e));
    EXPECT_FALSE(util::Animation::Completed(Get(e)));
    system_.Update(0.1f, *registry_);
    EXPECT_NEAR(TopX(e), 20, 1e-5);  // the pose stays
}

// Recomputes what the system uploads: the mesh itself needs a GL context, so the test drives the
// same code through a probe that reads the scratch lists back.
// Two walkers hear "step" (0.1 s into "wave") in the same frame. Whoever hears it first destroys
// the other and makes new animated entities; the other hears nothing, and nothing dangles.
TEST_F(AnimationComponent, EventListenersMayCreateAndDestroyEntities) {
    const Entity a = Create("hero.json"), b = Create("hero.json");
    std::vector<std::pair<Entity, std::string>> heard;
    for (Entity e : {a, b}) {
        Get(e).onEvent = [&, other = e == a ? b : a](Entity self, const spine::FiredEvent& fired) {
            heard.emplace_back(self, fired.event->data->name);
            if (registry_->alive(other)) registry_->destroy(other);
            for (int i = 0; i < 20; ++i) Create("hero.json");
        };
        ASSERT_TRUE(util::Animation::Play(Get(e), "wave", true));
    }
    system_.Update(0.05f, *registry_);
    EXPECT_TRUE(heard.empty());
    system_.Update(0.1f, *registry_);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].second, "step");
    EXPECT_TRUE(registry_->alive(heard[0].first));
    // The other is gone; a newcomer may have its id, without a listener.
    const Entity other = heard[0].first == a ? b : a;
    EXPECT_FALSE(registry_->alive(other) && Get(other).onEvent);
    system_.Update(1.0f, *registry_);  // the survivor's next loop; the newcomers play nothing
    EXPECT_EQ(heard.size(), 2u);
}

TEST_F(AnimationComponent, MeshOfTwoRegionsIsOneUnitTallBeforeTheTransform) {
    const Entity e = Create("two.json", "mix.json", R"({"Translation": [3, 1], "Scale": [2, 2]})");
    system_.Update(0.0f, *registry_);
    const auto& mesh = system_.LastMesh();
    EXPECT_EQ(mesh.indices, (std::vector<unsigned>{0, 1, 2, 2, 3, 0, 4, 5, 6, 6, 7, 4}));
    ASSERT_EQ(mesh.vertices.size(), 8u);
    // The body spans -100..100 units: -0.5..0.5 once divided by the height, 2 world units at scale 2.
    auto& transform = registry_->get<component::Transform>(e);
    const glm::vec4 bottom = transform.GetMatrix() * glm::vec4(mesh.vertices[0].position, 0, 1);
    const glm::vec4 top = transform.GetMatrix() * glm::vec4(mesh.vertices[1].position, 0, 1);
    EXPECT_NEAR(top.y - bottom.y, 2.0f, 1e-5);
    EXPECT_NEAR(bottom.y, 0.0f, 1e-5);
    // Region texture coordinates, tinted by the slot colour (alpha is not used).
    EXPECT_EQ(mesh.vertices[1].texCoord, glm::vec2(0, 0));
    EXPECT_EQ(mesh.vertices[2].texCoord, glm::vec2(0.25f, 0));
    EXPECT_NEAR(mesh.vertices[0].color.r, 128 / 255.0f, 1e-6);
    EXPECT_EQ(mesh.vertices[4].color, glm::vec3(1, 1, 1));
    EXPECT_EQ(registry_->get<component::Graphics>(e).Texture,
              static_cast<const util::TextureEntry*>(Get(e).atlas->pages[0].rendererObject));

    // A weighted mesh contributes its vertices and triangles; a bounding box nothing.
    const Entity hero = Create("hero.json");
    registry_->destroy(e);
    system_.Update(0.0f, *registry_);
    EXPECT_EQ(system_.LastMesh().indices, (std::vector<unsigned>{0, 1, 2, 2, 3, 0, 4, 5, 6, 6, 7, 4, 8, 9, 10, 10, 11, 8}));
    EXPECT_EQ(system_.LastMesh().vertices.size(), 12u);
    EXPECT_NEAR(system_.LastMesh().vertices[9].position.x, 9 / 200.0f, 1e-6);
    (void)hero;
}

TEST_F(AnimationComponent, ThousandAnimatedEntitiesComeAndGoWithoutLeaks) {
    std::vector<std::weak_ptr<const spine::SkeletonData>> data;
    std::vector<Entity> entities;
    for (int i = 0; i < 1000; ++i) {
        entities.push_back(Create());
        data.push_back(Get(entities.back()).skeletonData);
    }
    // Copies share the file data and own their pose.
    const Entity copy = registry_->create();
    registry_->add<component::Animation>(copy) = Get(entities[1]);
    EXPECT_EQ(Get(copy).skeletonData, Get(entities[1]).skeletonData);
    EXPECT_NE(Get(copy).skeleton.get(), Get(entities[1]).skeleton.get());
    registry_->destroy(copy);
    for (int i = 0; i < 1000; ++i) util::Animation::Play(Get(entities[static_cast<std::size_t>(i)]), i % 2 ? "idle" : "run", true);
    system_.Update(1 / 60.0f, *registry_);
    EXPECT_FALSE(data.front().expired());
    for (Entity e : entities) registry_->destroy(e);
    EXPECT_EQ(registry_->pool<component::Animation>().size(), 0u);
    EXPECT_EQ(std::count_if(data.begin(), data.end(), [](auto& d) { return !d.expired(); }), 0);
}

}  // namespace
}  // namespace velkor
