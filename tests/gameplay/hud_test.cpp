#include "gameplay/hud.hpp"

#include <array>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "gameplay/on_off_hazard.hpp"
#include "gameplay/collision.hpp"
#include "graphics/sprite_sheet.hpp"
#include "levels/level_state.hpp"
#include "serialization/prefab.hpp"
#include "support/json.hpp"
#include "support/trace_capture.hpp"

namespace velkor {
namespace {

using component::HUDElement;
using test::Parse;

TEST(HUDReader, TypeNamesMatchExactly) {
    const std::array<std::pair<const char*, HUDElement>, 8> cases{{
        {R"({"Type": "TimerBar"})", HUDElement::TimerBar},
        {R"({"Type": "TimerFlash"})", HUDElement::TimerFlash},
        {R"({"Type": "CollectibleDigit1"})", HUDElement::CollectibleDigit1},
        {R"({"Type": "Invalid"})", HUDElement::Invalid},
        {R"({"Type": "timerbar"})", HUDElement::Invalid},
        {R"({"Type": 3})", HUDElement::Invalid},
        {R"({"Type": "TimerBar "})", HUDElement::Invalid},
        {R"({})", HUDElement::Invalid},
    }};
    for (const auto& [json, kind] : cases) {
        component::HUD hud{HUDElement::TimerBG};
        component::ReadHUD(hud, Parse(json));
        EXPECT_EQ(hud.kind, kind) << json;
    }
}

class HUDSystem : public testing::Test {
protected:
    HUDSystem() : registry(std::make_unique<Registry>()) {
        level = &levels::EnsureLevel(*registry);
        level->MaxTime = 60.0f;
        level->timeLeft = 30.0f;
    }

    Entity Element(HUDElement kind, const util::TextureEntry& texture) {
        const Entity e = registry->create();
        registry->add<component::HUD>(e).kind = kind;
        registry->add<component::Transform>(e);
        registry->add<component::Graphics>(e).Texture = &texture;
        if (kind >= HUDElement::TimerDigit0 && kind <= HUDElement::CollectibleDigit1)
            registry->add<component::SpriteSheet>(e).Dimensions = {10, 1};
        return e;
    }
    void Frame() { system.Update(1.0f / 60.0f, *registry); }
    component::Transform& TransformOf(Entity e) { return registry->get<component::Transform>(e); }
    int Shown(Entity e) { return registry->get<component::SpriteSheet>(e).Index; }
    bool Visible(Entity e) { return registry->get<component::Graphics>(e).Renderable; }

    std::unique_ptr<Registry> registry;
    singleton::Level* level;
    system::HUD system;
    const util::TextureEntry bar{0, 512, 64};
    const util::TextureEntry digits{0, 640, 128};
    const util::TextureEntry lamp{0, 64, 64};
};

TEST_F(HUDSystem, TimerBarShrinksTowardsItsLeftEdgeOverItsBackground) {
    const Entity timer = Element(HUDElement::TimerBar, bar);
    const Entity background = Element(HUDElement::TimerBG, bar);
    TransformOf(timer).Dirty = false;
    Frame();
    EXPECT_NEAR(TransformOf(timer).Scale.x, 0.1333f, 1e-4f);
    EXPECT_NEAR(TransformOf(timer).Scale.y, 0.0593f, 1e-4f);
    EXPECT_NEAR(TransformOf(timer).Translation.x, -0.0667f, 1e-4f);
    EXPECT_FLOAT_EQ(TransformOf(timer).Translation.y, 0.9f);
    EXPECT_TRUE(TransformOf(timer).Dirty);
    EXPECT_EQ(registry->get<component::Graphics>(timer).Color, util::HudTint);
    EXPECT_NEAR(TransformOf(background).Scale.x, 0.2667f, 1e-4f);
    EXPECT_EQ(TransformOf(background).Translation, glm::vec2(0.0f, 0.9f));
    // Same left edge as the full background.
    const float left = TransformOf(timer).Translation.x - 0.5f * TransformOf(timer).Scale.x;
    EXPECT_NEAR(left, -0.5f * TransformOf(background).Scale.x, 1e-6f);

    level->timeLeft = -0.2f;  // the frame before the lose screen: empty, not mirrored
    Frame();
    EXPECT_EQ(TransformOf(timer).Scale.x, 0.0f);
    level->MaxTime = 0.0f;
    Frame();
    EXPECT_EQ(TransformOf(timer).Scale.x, 0.0f);
}

TEST_F(HUDSystem, DigitsAndWarningLightFollowTheTimer) {
    const std::array<Entity, 3> timer{Element(HUDElement::TimerDigit0, digits), Element(HUDElement::TimerDigit1, digits),
                                      Element(HUDElement::TimerDigit2, digits)};
    const Entity flash = Element(HUDElement::TimerFlash, lamp);
    struct Case {
        float timeLeft;
        std::array<int, 3> shown;  // units, tens, hundreds
        bool light;
    };
    for (const Case& c : {Case{45.6f, {5, 4, 0}, false}, Case{29.4f, {9, 2, 0}, true}, Case{28.9f, {8, 2, 0}, false},
                          Case{360.0f, {0, 6, 3}, false}, Case{1.5f, {1, 0, 0}, true}, Case{-0.5f, {0, 0, 0}, false}}) {
        level->timeLeft = c.timeLeft;
        Frame();
        for (int place = 0; place < 3; ++place) {
            EXPECT_EQ(Shown(timer[place]), c.shown[place]) << c.timeLeft << " place " << place;
            EXPECT_EQ(registry->get<component::SpriteSheet>(timer[place]).UploadedIndex, -1) << "re-applied";
        }
        EXPECT_EQ(Visible(flash), c.light) << c.timeLeft;
    }
    const float glyph = 640.0f / 1920.0f / 10.0f;
    EXPECT_NEAR(TransformOf(timer[0]).Translation.x, -2.45f * glyph, 1e-6f);
    EXPECT_NEAR(TransformOf(timer[1]).Translation.x, -3.15f * glyph, 1e-6f);
    EXPECT_NEAR(TransformOf(timer[2]).Translation.x, -3.85f * glyph, 1e-6f);
    EXPECT_FLOAT_EQ(TransformOf(timer[0]).Translation.y, 0.937f);
    EXPECT_NEAR(TransformOf(timer[0]).Scale.x, 0.5f * glyph, 1e-6f);
    EXPECT_NEAR(TransformOf(timer[0]).Scale.y, 0.5f * 128.0f / 1080.0f, 1e-6f);
    EXPECT_EQ(TransformOf(flash).Translation, glm::vec2(-0.155f, 0.94f));
}

TEST_F(HUDSystem, CollectibleDigitsAndBar) {
    const Entity units = Element(HUDElement::CollectibleDigit0, digits);
    const Entity tens = Element(HUDElement::CollectibleDigit1, digits);
    const util::TextureEntry line{0, 64, 8};
    const Entity allTaken = Element(HUDElement::CollectiblesBar, line);
    level->collected = 12;
    level->CollectiblesRequred = 5;
    Frame();
    EXPECT_EQ(Shown(units), 2);
    EXPECT_EQ(Shown(tens), 1);
    EXPECT_NEAR(TransformOf(units).Translation.x, 3.8f * 640.0f / 1920.0f / 10.0f, 1e-6f);
    EXPECT_NEAR(TransformOf(tens).Translation.x, 3.1f * 640.0f / 1920.0f / 10.0f, 1e-6f);
    EXPECT_EQ(TransformOf(allTaken).Scale.x, 2.0f) << "12 div 5";

    level->collected = 3;
    Frame();
    EXPECT_EQ(TransformOf(allTaken).Scale.x, 0.0f) << "3 of 5 is not all";
    EXPECT_NEAR(TransformOf(allTaken).Translation.x, -0.5f * 64.0f / 1920.0f, 1e-6f);
    EXPECT_NEAR(TransformOf(allTaken).Translation.y, 1.0f - 8.0f / 1080.0f, 1e-6f);

    level->CollectiblesRequred = 0;  // a level that requires nothing has it all, and nothing divides by 0
    Frame();
    EXPECT_EQ(TransformOf(allTaken).Scale.x, 1.0f);

    // The win screen has taken the digits over: they keep what they show.
    level->digitsFrozen = true;
    level->collected = 7;
    TransformOf(units).Translation = {0.3f, -0.2f};
    Frame();
    EXPECT_EQ(Shown(units), 3);
    EXPECT_EQ(TransformOf(units).Translation, glm::vec2(0.3f, -0.2f));
}

TEST_F(HUDSystem, InvalidElementsAreReportedEveryFrameAndNothingHappensWithoutALevel) {
    const Entity invalid = Element(HUDElement::Invalid, bar);
    const Entity outside = Element(static_cast<HUDElement>(12), bar);
    TransformOf(invalid).Dirty = false;
    test::TraceCapture trace;
    Frame();
    Frame();
    EXPECT_EQ(trace.count("Invalid HUDElement value: 0\n"), 2u);
    EXPECT_EQ(trace.count("Invalid HUDElement value: 12\n"), 2u);
    EXPECT_FALSE(TransformOf(invalid).Dirty);
    EXPECT_EQ(TransformOf(outside).Scale, glm::vec2(1.0f, 1.0f));

    const Entity timer = Element(HUDElement::TimerBar, bar);
    registry->singletons.remove<singleton::Level>();
    trace.clear();
    Frame();
    EXPECT_TRUE(trace.messages().empty());
    EXPECT_EQ(TransformOf(timer).Scale, glm::vec2(1.0f, 1.0f));
}

TEST(Digits, ShowNumberUnitsFirst) {
    auto registry = std::make_unique<Registry>();
    std::array<Entity, 3> digits{};
    for (Entity& e : digits) {
        e = registry->create();
        registry->add<component::SpriteSheet>(e).UploadedIndex = 4;
    }
    util::ShowNumber(*registry, digits, 407);
    EXPECT_EQ(registry->get<component::SpriteSheet>(digits[0]).Index, 7);
    EXPECT_EQ(registry->get<component::SpriteSheet>(digits[1]).Index, 0);
    EXPECT_EQ(registry->get<component::SpriteSheet>(digits[2]).Index, 4);
    EXPECT_EQ(registry->get<component::SpriteSheet>(digits[2]).UploadedIndex, -1);
    util::ShowNumber(*registry, digits, -3);
    EXPECT_EQ(registry->get<component::SpriteSheet>(digits[0]).Index, 0);
    const Entity plain = registry->create();
    util::ShowDigit(*registry, plain, 5);  // no sheet: nothing to show on, nothing added
    EXPECT_FALSE(registry->has<component::SpriteSheet>(plain));
}

TEST(HUDContent, EveryElementPrefabLoadsWithItsKindAndTexture) {
    auto registry = std::make_unique<Registry>();
    const std::array<std::pair<const char*, HUDElement>, 9> files{{
        {"Data/Entities/TimerDigit.json", HUDElement::TimerDigit0},
        {"Data/Entities/TimerDigit1.json", HUDElement::TimerDigit1},
        {"Data/Entities/TimerDigit2.json", HUDElement::TimerDigit2},
        {"Data/Entities/CollectibleDigit.json", HUDElement::CollectibleDigit0},
        {"Data/Entities/CollectibleDigit1.json", HUDElement::CollectibleDigit1},
        {"Data/Entities/HUD/TimerBar.json", HUDElement::TimerBar},
        {"Data/Entities/HUD/TimerBG.json", HUDElement::TimerBG},
        {"Data/Entities/HUD/TimerFlash.json", HUDElement::TimerFlash},
        {"Data/Entities/HUD/CollectiblesBar.json", HUDElement::CollectiblesBar},
    }};
    testing::internal::CaptureStdout();  // "Loading image: " lines
    for (const auto& [path, kind] : files) {
        const Entity e = CreateEntity(ReadJsonFile(path), *registry);
        ASSERT_TRUE(registry->has<component::HUD>(e)) << path;
        EXPECT_EQ(registry->get<component::HUD>(e).kind, kind) << path;
        const auto* texture = registry->get<component::Graphics>(e).Texture;
        ASSERT_NE(texture, nullptr) << path;
        EXPECT_GT(texture->width, 0) << path;
        EXPECT_TRUE(registry->get<component::Graphics>(e).Locked) << path;
        if (kind >= HUDElement::TimerDigit0 && kind <= HUDElement::CollectibleDigit1) {
            EXPECT_EQ(texture->width % 10, 0) << "ten equal glyphs";
        }
    }
    for (const char* path : {"Data/Entities/HUD.json", "Data/TotalCollectibles.json"}) {
        const Entity e = CreateEntity(ReadJsonFile(path), *registry);
        ASSERT_TRUE(registry->has<component::Graphics>(e)) << path;
        EXPECT_GT(registry->get<component::Graphics>(e).Texture->width, 0) << path;
    }
    (void)testing::internal::GetCapturedStdout();
}

TEST(OnOffHazardReader, OnIsTrueUnlessSomethingElseIsWritten) {
    const std::array<std::tuple<const char*, bool, float, float>, 5> cases{{
        {R"({})", true, 1.0f, 1.0f},
        {R"({"On": true, "OnTime": 2, "OffTime": 0.5})", true, 2.0f, 0.5f},
        {R"({"On": false})", false, 1.0f, 1.0f},
        {R"({"On": 1, "OnTime": 3.5})", false, 3.5f, 1.0f},
        {R"({"On": "true", "OffTime": "2"})", false, 1.0f, 1.0f},
    }};
    for (const auto& [json, on, onTime, offTime] : cases) {
        component::OnOffHazard hazard;
        hazard.Elapsed = 4.0f;
        component::ReadOnOffHazard(hazard, Parse(json));
        EXPECT_EQ(hazard.On, on) << json;
        EXPECT_EQ(hazard.OnTime, onTime) << json;
        EXPECT_EQ(hazard.OffTime, offTime) << json;
        EXPECT_EQ(hazard.Elapsed, 0.0f) << json;
    }
}

TEST(OnOffHazardSystem, TwoSecondsOnOneSecondOffAlsoWhilePaused) {
    auto registry = std::make_unique<Registry>();
    const Entity hazard = registry->create();
    registry->add<component::OnOffHazard>(hazard) = {2.0f, 1.0f, true, 0.0f};
    registry->add<component::Graphics>(hazard);
    registry->add<component::Collision>(hazard).ColliderTag = util::HazardTag;
    const Entity bare = registry->create();  // only the component: switches without touching others
    registry->add<component::OnOffHazard>(bare);
    registry->singletons.set(singleton::Physics{false});
    system::OnOffHazard system;
    system.Init(*registry);

    auto deadly = [&] {
        const bool shown = registry->get<component::Graphics>(hazard).Renderable;
        const int tag = static_cast<int>(registry->get<component::Collision>(hazard).ColliderTag);
        EXPECT_EQ(shown, tag == util::HazardTag) << "look and collider switch together";
        EXPECT_TRUE(tag == util::HazardTag || tag == util::SwitchedOffHazardTag);
        return shown;
    };
    // Quarter-second steps are exact in binary: the switches land on 2 s, 3 s, 5 s, 6 s.
    for (int step = 1; step <= 28; ++step) {
        system.Update(0.25f, *registry);
        const float t = 0.25f * static_cast<float>(step);
        const float phase = t - 3.0f * static_cast<float>(static_cast<int>(t / 3.0f));
        EXPECT_EQ(deadly(), phase < 2.0f) << "at " << t << " s";
    }
    // A long frame switches only once.
    system.Update(10.0f, *registry);
    EXPECT_FLOAT_EQ(registry->get<component::OnOffHazard>(hazard).Elapsed, 1.0f + 10.0f - 2.0f);
    EXPECT_FALSE(deadly());
    system.Shutdown(*registry);
}

}  // namespace
}  // namespace velkor
