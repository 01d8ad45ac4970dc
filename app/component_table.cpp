#include "animation/animation.hpp"
#include "app/game.hpp"
#include "audio/audio.hpp"
#include "gameplay/camera_follow.hpp"
#include "gameplay/collision.hpp"
#include "gameplay/hud.hpp"
#include "gameplay/input.hpp"
#include "gameplay/keyboard_input.hpp"
#include "gameplay/on_off_hazard.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/player_behavior.hpp"
#include "graphics/components.hpp"
#include "graphics/parallax.hpp"
#include "graphics/particles.hpp"
#include "graphics/sprite_sheet.hpp"
#include "levels/button.hpp"
#include "serialization/catalogue.hpp"
#include "serialization/transform.hpp"

namespace velkor {

void FillComponentCatalogue() {
    static bool filled = false;
    if (filled) return;
    filled = true;
    using namespace component;
    // One line per type. The order of this table is the order of the component type indices; a
    // null reader means the type is never read from data. The third entry, when there is one, is
    // the reader's rules for the content checker.
    RegisterComponent<Animation>("Animation", &ReadAnimation, &CheckAnimation);
    RegisterComponent<Audio>("Audio", &ReadAudioComponent, &CheckAudioComponent);
    RegisterComponent<Button>("Button", &ReadButton, &CheckButton);
    RegisterComponent<CameraFollow>("CameraFollow", &ReadComponent<CameraFollow, &ReadCameraFollow>);
    RegisterComponent<Collision>("Collision", &ReadComponent<Collision, &ReadCollision>);
    RegisterComponent<Graphics>("Graphics", &ReadGraphics, &CheckGraphics);
    RegisterComponent<Light>("Light", &ReadComponent<Light, &ReadLight>);
    RegisterComponent<SpriteSheet>("SpriteSheet", &ReadComponent<SpriteSheet, &ReadSpriteSheet>);
    RegisterComponent<HUD>("HUD", &ReadComponent<HUD, &ReadHUD>);
    RegisterComponent<Input>("Input", nullptr);  // added by the KeyboardInput listener, never read from data
    RegisterComponent<KeyboardInput>("KeyboardInput", &ReadComponent<KeyboardInput, &ReadKeyboardInput>,
                                     &CheckKeyboardInput);
    RegisterComponent<OnOffHazard>("OnOffHazard", &ReadComponent<OnOffHazard, &ReadOnOffHazard>);
    RegisterComponent<Parallax>("Parallax", &ReadComponent<Parallax, &ReadParallax>);
    RegisterComponent<Particles>("Particles", &ReadComponent<Particles, &ReadParticles>);
    RegisterComponent<Physics>("Physics", &ReadComponent<Physics, &ReadPhysics>);
    RegisterComponent<PlayerBehavior>("PlayerBehavior", &ReadComponent<PlayerBehavior, &ReadPlayerBehavior>);
    RegisterComponent<Transform>("Transform", &ReadComponent<Transform, &ReadTransform>, &CheckTransform);
}

}  // namespace velkor
