#include "levels/credits.hpp"

#include "levels/level_manager.hpp"
#include "serialization/transform.hpp"

namespace velkor::levels {

void Credits::Initialize(Registry& registry) {
    elapsed_ = 0.0f;
    hover_ = false;
    nav_.Restart();
    text_ = CreateFromFile("Data/Credits.json", registry);
    CreateFromFile("Data/Entities/Buttons/Credits/MainMenuButton.json", registry);
    button_ = FindButton(registry, "CreditsMainMenu");
    music_.Take(registry);
    CreateCursor(registry);
}

void Credits::Update(float dt, Registry& registry) {
    elapsed_ += dt;
    if (elapsed_ > 1.0f && registry.alive(text_) && registry.has<component::Transform>(text_)) {
        auto& transform = registry.get<component::Transform>(text_);
        transform.Translation.y += dt * ScrollSpeed;
        transform.Dirty = true;
        if (transform.Translation.y >= EndY) {
            RequestLevel(registry, LevelIndex::MainMenu);
            transform.Translation.y = StartY;
        }
    }
    nav_.Update(registry, {button_});
    if (HandleButton(registry,
                     {button_, NoEntity, EnlargeLook(1.1f), "---------------  CreditMainMenu ---------------", true, {},
                      &nav_, nav_.BackPressed()},
                     hover_)) {
        music_.Release();
        RequestLevel(registry, LevelIndex::MainMenu);
    }
}

void Credits::Shutdown(Registry& registry) {
    music_.Release();
    MenuShutdown(registry);
}

}  // namespace velkor::levels
