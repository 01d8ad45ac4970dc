// Simple particle emitters: one per entity, whose mesh is rebuilt every frame with a quad per live
// particle. Drawing is the Graphics system's; this only rewrites the mesh.
#pragma once

#include <vector>

#include <glm/vec2.hpp>
#include <glm/vec4.hpp>
#include <rapidjson/document.h>

#include "engine/system.hpp"
#include "graphics/components.hpp"
#include "serialization/transform.hpp"

namespace velkor::util {

struct Particle {
    glm::vec2 position{0.0f, 0.0f};
    glm::vec2 velocity{0.0f, 0.0f};
    glm::vec2 acceleration{0.0f, 0.0f};
    glm::vec4 color{1.0f, 1.0f, 1.0f, 1.0f};
    float life = 0.0f;  // seconds left
};

}  // namespace velkor::util

namespace velkor::component {

// Particles one burst may emit, read from data; a larger count is cut and traced.
inline constexpr int MaxParticlesPerEmission = 4096;

struct Particles {
    int NumberOfParticles = 1;  // per emission when Burst is on
    int LastUsedParticle = 0;  // kept for the data format; the emitter does not use it
    float PositionOffset = 0.0f;  // emission distance from the emitter
    float AngleStart = 0.0f;  // radians
    float AngleEnd = 0.0f;
    float Timer = 0.0f;
    float TimePerParticle = 0.0f;  // must be above 0 for the entity to emit
    float LifeTime = 0.0f;
    float SecondsTillFade = 0.0f;
    glm::vec4 Color{1.0f, 1.0f, 1.0f, 1.0f};
    glm::vec2 Speed{0.0f, 0.0f};  // min, max
    glm::vec2 Acceleration{0.0f, 0.0f};
    glm::vec2 Position{0.0f, 0.0f};  // emitter position in the world
    bool Burst = false;
    std::vector<util::Particle> Live;
};

void ReadParticles(Particles& particles, const rapidjson::Value& json);

}  // namespace velkor::component

namespace velkor::util {

// One frame of an emitter: emit what the timer covers, append the geometry of the live particles
// (before they move), then age and move them. The caller uploads the geometry.
void StepParticles(component::Particles& particles, component::Transform& transform, float dt,
                   std::vector<Graphics::Vertex>& vertices, std::vector<unsigned>& indices);

}  // namespace velkor::util

namespace velkor::system {

class Particles final : public System<std::tuple<component::Particles, component::Transform, component::Graphics>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;

private:
    // Scratch geometry shared by all emitters, emptied after each refill.
    std::vector<util::Graphics::Vertex> vertices_;
    std::vector<unsigned> indices_;
};

}  // namespace velkor::system
