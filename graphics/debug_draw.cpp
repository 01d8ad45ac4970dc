#include "graphics/debug_draw.hpp"

#include <cmath>
#include <vector>

#include <glad/gl.h>
#include <glm/ext/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "graphics/camera.hpp"
#include "graphics/shader.hpp"
#include "platform/window.hpp"

namespace velkor::util {

namespace {

constexpr const char* DebugVertexShader = "Data/Shaders/DD_vertexShaderSource.txt";
constexpr const char* DebugFragmentShader = "Data/Shaders/DD_fragmentShaderSource.txt";

unsigned BuildShape(const std::vector<float>& points) {
    GLuint vertexArray = 0, buffer = 0;
    glGenVertexArrays(1, &vertexArray);
    glGenBuffers(1, &buffer);
    glBindVertexArray(vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(points.size() * sizeof(float)), points.data(), GL_STATIC_DRAW);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 2 * sizeof(float), nullptr);
    glEnableVertexAttribArray(0);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return vertexArray;
}

}  // namespace

singleton::DebugDraw& GetOrCreateDebugDraw(entity::singleton_registry& singletons) {
    return singletons.get<singleton::DebugDraw>();
}

singleton::DebugDraw& CreateDebugDraw(entity::singleton_registry& singletons) {
    auto& debug = singletons.get<singleton::DebugDraw>();
    if (singletons.has<singleton::DebugDraw>()) return debug;
    if (HasGLContext()) {
        debug.lineMesh = BuildShape({0.0f, 0.0f, 0.0f, 1.0f});
        debug.squareMesh = BuildShape({-0.5f, 0.5f, 0.5f, 0.5f, 0.5f, -0.5f, -0.5f, -0.5f});
        std::vector<float> circle;
        for (int i = 0; i < DebugCirclePoints; ++i) {
            const double a = i * 0.19634954084936207;
            circle.push_back(static_cast<float>(0.5 * std::cos(a)));
            circle.push_back(static_cast<float>(0.5 * std::sin(a)));
        }
        debug.circleMesh = BuildShape(circle);
    }
    singletons.mark_present<singleton::DebugDraw>();
    return debug;
}

void QueueLine(singleton::DebugDraw& debug, glm::vec2 start, glm::vec2 end, glm::vec3 color) {
    debug.lines.push({start.x, start.y, end.x, end.y, color.r, color.g, color.b, 0.0f});
}

void QueueRectangle(singleton::DebugDraw& debug, glm::vec2 centre, glm::vec2 size, glm::vec3 color, float degrees) {
    debug.rectangles.push({centre.x, centre.y, size.x, size.y, color.r, color.g, color.b, degrees});
}

void QueueCircle(singleton::DebugDraw& debug, glm::vec2 centre, float diameter, glm::vec3 color) {
    debug.circles.push({centre.x, centre.y, diameter, 0.0f, color.r, color.g, color.b, 0.0f});
}

}  // namespace velkor::util

namespace velkor::system {

void DebugDraw::InitHook(Registry& registry) {
    util::CreateDebugDraw(registry.singletons);
    util::CreateCamera(registry.singletons);
    if (!util::HasGLContext()) return;
    program_ = util::LoadShaderProgram(util::DebugVertexShader, util::DebugFragmentShader);
    matrixLocation_ = glGetUniformLocation(program_, "matrix");
    colorLocation_ = glGetUniformLocation(program_, "color");
}

void DebugDraw::UpdateHook(float, View& view) {
    auto& singletons = view.get_registry().singletons;
    auto& debug = singletons.get<singleton::DebugDraw>();
    const auto& camera = singletons.get<singleton::Camera>();
    counts_ = {};
    if (!util::HasGLContext()) {
        debug.lines = {};
        debug.rectangles = {};
        debug.circles = {};
        return;
    }
    glUseProgram(program_);
    const glm::mat4 pv = util::ProjectionMatrix(camera) * util::ViewMatrix(camera);
    const glm::vec3 z{0.0f, 0.0f, 1.0f};
    auto draw = [&](const util::DebugShape& s, const glm::mat4& model, GLenum mode, GLsizei count) {
        const glm::mat4 matrix = pv * model;
        glUniformMatrix4fv(matrixLocation_, 1, GL_FALSE, glm::value_ptr(matrix));
        glUniform3f(colorLocation_, s[4], s[5], s[6]);
        glDrawArrays(mode, 0, count);
    };

    glBindVertexArray(debug.lineMesh);
    for (; !debug.lines.empty(); debug.lines.pop(), ++counts_.lines) {
        const auto& s = debug.lines.front();
        const glm::vec2 start{s[0], s[1]}, d = glm::vec2{s[2], s[3]} - start;
        const float length = glm::length(d);
        // The unit line points up; turn it towards the end point. A zero-length line stays up.
        float angle = length > 0.0f ? std::acos(glm::clamp(d.y / length, -1.0f, 1.0f)) : 0.0f;
        if (d.x > 0.0f) angle = -angle;
        glm::mat4 model = glm::translate(glm::mat4(1.0f), glm::vec3(start, 0.0f));
        model = glm::rotate(model, angle, z);
        model = glm::scale(model, glm::vec3(5.0f, length, 1.0f));
        draw(s, model, GL_LINES, 2);
    }
    glBindVertexArray(0);

    glBindVertexArray(debug.squareMesh);
    for (; !debug.rectangles.empty(); debug.rectangles.pop(), ++counts_.rectangles) {
        const auto& s = debug.rectangles.front();
        glm::mat4 model = glm::translate(glm::mat4(1.0f), glm::vec3(s[0], s[1], 0.0f));
        model = glm::rotate(model, s[7] * 0.017453292f, z);
        model = glm::scale(model, glm::vec3(s[2], s[3], 1.0f));
        draw(s, model, GL_LINE_LOOP, 4);
    }
    glBindVertexArray(0);

    glBindVertexArray(debug.circleMesh);
    for (; !debug.circles.empty(); debug.circles.pop(), ++counts_.circles) {
        const auto& s = debug.circles.front();
        glm::mat4 model = glm::translate(glm::mat4(1.0f), glm::vec3(s[0], s[1], 0.0f));
        model = glm::scale(model, glm::vec3(s[2], s[2], 1.0f));
        draw(s, model, GL_LINE_LOOP, util::DebugCirclePoints);
    }
    glBindVertexArray(0);
    glUseProgram(0);
}

void DebugDraw::ShutdownHook(Registry& registry) {
    if (program_ && util::HasGLContext()) glDeleteProgram(program_);
    program_ = 0;
    registry.singletons.remove<singleton::DebugDraw>();
    registry.singletons.remove<singleton::Camera>();
}

}  // namespace velkor::system
