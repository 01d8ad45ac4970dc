#include "graphics/particles.hpp"

#include <cmath>

#include "engine/random.hpp"
#include "graphics/camera.hpp"
#include "serialization/json_read.hpp"

namespace velkor::component {

void ReadParticles(Particles& p, const rapidjson::Value& json) {
    json::ReadCount(json, "NumberOfParticles", p.NumberOfParticles, 0, MaxParticlesPerEmission);
    json::ReadInt(json, "LastUsedParticle", p.LastUsedParticle);
    json::ReadFloat(json, "PositionOffset", p.PositionOffset);
    json::ReadFloat(json, "AngleStart", p.AngleStart);
    json::ReadFloat(json, "AngleEnd", p.AngleEnd);
    json::ReadFloat(json, "Timer", p.Timer);
    json::ReadFloat(json, "TimePerParticle", p.TimePerParticle);
    json::ReadFloat(json, "LifeTime", p.LifeTime);
    json::ReadFloat(json, "SecondsTillFade", p.SecondsTillFade);
    json::ReadVec4(json, "Color", p.Color);
    json::ReadVec2(json, "Speed", p.Speed);
    json::ReadVec2(json, "Acceleration", p.Acceleration);
    json::ReadVec2(json, "Position", p.Position);
    p.Burst = false;
    json::ReadFlag(json, "Burst", p.Burst);
}

}  // namespace velkor::component

namespace velkor::util {

namespace {

void Emit(component::Particles& p, component::Transform& t) {
    const float angle = p.AngleStart + (p.AngleEnd - p.AngleStart) * static_cast<float>(Random15()) / 32768.0f;
    // Deliberately not marking the transform changed: the emitter draws through the matrix it was
    // built with, so particles stay at their world positions (see the emitter prefabs).
    t.Translation = p.Position;
    const glm::vec2 direction{std::cos(angle), std::sin(angle)};
    Particle particle;
    particle.position = p.Position + p.PositionOffset * direction;
    particle.color = p.Color;
    particle.life = p.LifeTime;
    particle.acceleration = p.Acceleration;
    const float s = static_cast<float>(Random15()) / 32767.0f;
    particle.velocity = ((1.0f - s) * p.Speed.x + s * p.Speed.y) * direction;
    p.Live.push_back(particle);
}

}  // namespace

void StepParticles(component::Particles& p, component::Transform& t, float dt, std::vector<Graphics::Vertex>& vertices,
                   std::vector<unsigned>& indices) {
    p.Timer += dt;
    // A zero or negative period would emit forever in one frame: such an emitter stays idle.
    if (p.TimePerParticle > 0.0f) {
        while (p.Timer >= p.TimePerParticle) {
            const int count = p.Burst ? p.NumberOfParticles : 1;
            for (int i = 0; i < count; ++i) Emit(p, t);
            p.Timer -= p.TimePerParticle;
        }
    }

    const glm::vec2 half = t.Scale * 0.5f;
    const glm::vec3 color{p.Color};
    for (const Particle& particle : p.Live) {
        const auto base = static_cast<unsigned>(vertices.size());
        const glm::vec2 c = particle.position;
        vertices.push_back({{c.x - half.x, c.y - half.y}, {0.0f, 1.0f}, color});
        vertices.push_back({{c.x - half.x, c.y + half.y}, {0.0f, 0.0f}, color});
        vertices.push_back({{c.x + half.x, c.y + half.y}, {1.0f, 0.0f}, color});
        vertices.push_back({{c.x + half.x, c.y - half.y}, {1.0f, 1.0f}, color});
        for (unsigned i : {0u, 1u, 3u, 1u, 2u, 3u}) indices.push_back(base + i);
    }

    for (std::size_t i = 0; i < p.Live.size();) {
        Particle& particle = p.Live[i];
        particle.life -= dt;
        if (particle.life > 0.0f) {
            particle.position += (particle.velocity + particle.acceleration * 0.5f) * dt;
            if (p.SecondsTillFade != 0.0f) particle.color.a -= dt / p.SecondsTillFade;
            ++i;
        } else {
            // The record moved into the hole is not advanced this frame.
            particle = p.Live.back();
            p.Live.pop_back();
            ++i;
        }
    }
}

}  // namespace velkor::util

namespace velkor::system {

void Particles::InitHook(Registry& registry) { util::CreateCamera(registry.singletons); }

void Particles::UpdateHook(float dt, View& view) {
    view.each([this, dt](Entity, component::Particles& particles, component::Transform& transform,
                         component::Graphics& graphics) {
        util::StepParticles(particles, transform, dt, vertices_, indices_);
        util::Graphics::RefillMesh(graphics.Mesh, vertices_, indices_);
        vertices_.clear();
        indices_.clear();
    });
}

void Particles::ShutdownHook(Registry& registry) { registry.singletons.remove<singleton::Camera>(); }

}  // namespace velkor::system
