// Which rectangle of the world is on screen.
#pragma once

#include <glm/vec2.hpp>

namespace velkor::singleton {

struct Camera {
    glm::vec2 Position{0.0f, 0.0f};  // world point at the centre of the screen
    float Rotation = 0.0f;  // degrees; screen shake, normally 0
    float ViewWidth = 0.0f;  // world units across the viewport
    float ViewHeight = 0.0f;
    glm::vec2 Offset{0.0f, 0.0f};  // copied from the followed entity's CameraFollow
    float LERP = 0.0f;
    float ZValue = 1.0f;  // zoom the view size was last computed from
};

}  // namespace velkor::singleton
