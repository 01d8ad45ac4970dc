// What the menu screens share: the menu shutdown (cursor, then every entity), the menu music and
// the helpers that name the state they touch.
#pragma once

#include "levels/button.hpp"
#include "levels/cursor.hpp"
#include "levels/level.hpp"

namespace velkor::levels {

// Destroys the cursor (entity and callback), then every entity.
inline void MenuShutdown(Registry& registry) {
    DestroyCursor(registry);
    DestroyAllEntities(registry);
}

// Requests the menu music as a looping stream and starts it in the Music group unless it already
// plays; the channel is kept in the Audio singleton's MenuMusicChannel so that no later screen
// starts a second copy. Returns the request, which the caller gives back once.
int StartMenuMusic(Registry& registry);

// The same for a sound the screen's own entity carries (the main menu's "MenuMusic").
void StartMenuMusicFrom(Registry& registry, Entity e, const char* name);

// Stops the Music group and forgets the menu music channel (a level's own music comes next).
void StopMenuMusic(Registry& registry);

class MenuScreen : public util::iLevel {
public:
    void Load(Registry&) override {}
    void Shutdown(Registry& registry) override { MenuShutdown(registry); }
    void Unload(Registry&) override {}
};

// A screen's request of the menu music, given back at most once per visit.
class MusicRequest {
public:
    void Take(Registry& registry) {
        Release();
        index_ = StartMenuMusic(registry);
    }
    void Release();

private:
    int index_ = -1;
};

// The end-of-level screens stand over the finished level: the simulation stops and the level's
// HUD (every HUD element and the Level record's HUD and counter entities) is hidden.
void FreezeFinishedLevel(Registry& registry);

}  // namespace velkor::levels
