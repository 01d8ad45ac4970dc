// Debug shapes (lines, rectangles, circles) queued by any system during a frame and drawn once,
// in world space, over the scene by the DebugDraw system, which then empties the queues.
//
// Three switches decide which producers queue anything; all start off and the game never turns
// them on by itself. Colours pass to the shader unchanged (0-1 or 0-255 scales; it saturates).
#pragma once

#include <array>
#include <queue>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

#include "engine/system.hpp"
#include "graphics/components.hpp"

namespace velkor::util {

// lines: start (0-1), end (2-3), colour (4-6). rectangles: centre, size, colour, rotation in
// degrees (7). circles: centre, diameter (2), colour.
using DebugShape = std::array<float, 8>;

}  // namespace velkor::util

namespace velkor::singleton {

struct DebugDraw {
    bool EnableMesh = false;  // outline every drawn entity
    bool EnableCollider = false;  // outline colliders
    bool EnableVector = false;  // velocity and acceleration lines
    unsigned lineMesh = 0;  // vertex arrays of the unit shapes
    unsigned circleMesh = 0;
    unsigned squareMesh = 0;
    std::queue<util::DebugShape> lines;
    std::queue<util::DebugShape> circles;
    std::queue<util::DebugShape> rectangles;
};

}  // namespace velkor::singleton

namespace velkor::util {

inline constexpr int DebugCirclePoints = 32;

// The singleton, default (switches off, no meshes) if absent.
singleton::DebugDraw& GetOrCreateDebugDraw(entity::singleton_registry& singletons);

// Builds the unit shapes unless the singleton is present; marks it present.
singleton::DebugDraw& CreateDebugDraw(entity::singleton_registry& singletons);

void QueueLine(singleton::DebugDraw& debug, glm::vec2 start, glm::vec2 end, glm::vec3 color);
void QueueRectangle(singleton::DebugDraw& debug, glm::vec2 centre, glm::vec2 size, glm::vec3 color, float degrees);
void QueueCircle(singleton::DebugDraw& debug, glm::vec2 centre, float diameter, glm::vec3 color);

}  // namespace velkor::util

namespace velkor::system {

class DebugDraw final : public System<std::tuple<component::Graphics>> {
public:
    // Shapes drawn by the last update, per kind (tests).
    struct Counts {
        int lines = 0, rectangles = 0, circles = 0;
    };
    [[nodiscard]] Counts LastCounts() const noexcept { return counts_; }

protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;

private:
    unsigned program_ = 0;
    int matrixLocation_ = -1;
    int colorLocation_ = -1;
    Counts counts_{};
};

}  // namespace velkor::system
