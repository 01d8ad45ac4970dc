#include "levels/cursor.hpp"

#include <algorithm>
#include <cmath>

#include "graphics/components.hpp"
#include "levels/button.hpp"
#include "platform/events.hpp"
#include "platform/input_source.hpp"
#include "platform/window.hpp"
#include "serialization/transform.hpp"

namespace velkor::levels {

namespace {

GLFWwindow* GameWindow(Registry& registry) {
    auto& singletons = registry.singletons;
    return singletons.has<singleton::Window>() ? singletons.get<singleton::Window>().window : nullptr;
}

// The remembered cursor entity if it is still the one we created, else nullptr.
Registry* LiveCursor(const CursorState& state) {
    Registry* registry = state.registry;
    if (!registry || !registry->alive(state.entity) || registry->generation(state.entity) != state.generation)
        return nullptr;
    return registry;
}

}  // namespace

CursorState& Cursor() noexcept {
    static CursorState state;
    return state;
}

void CreateCursor(Registry& registry) {
    CursorState& state = Cursor();
    if (state.active) {
        // Still up from a screen that did not take it down: its entity goes if it lives here.
        if (state.registry == &registry) DestroyCursor(registry);
        else platform::Unsubscribe(state.listener);
        ForgetCursor();
    }
    state.entity = CreateFromFile(CursorPrefab, registry);
    state.generation = registry.generation(state.entity);
    state.registry = &registry;
    state.hidden = false;
    state.active = true;
    state.window = GameWindow(registry);
    double x = state.x, y = state.y;
    if (state.window) {
        GLFWwindow* window = state.window;
        platform::Unsubscribe(state.listener);
        state.listener = platform::Subscribe(platform::MaskOf(platform::EventKind::CursorPosition),
                                             [window](const platform::Event& e) { CursorPositionCallback(window, e.v[0], e.v[1]); });
        util::SetCursorCaptured(window, true);
        const glm::dvec2 pointer = input::CursorPosition(state.window);
        x = pointer.x, y = pointer.y;
    }
    CursorPositionCallback(state.window, x, y);
}

void CursorPositionCallback(GLFWwindow* window, double x, double y) {
    CursorState& state = Cursor();
    if (!window) state.x = x, state.y = y;
    if (std::abs(x - state.lastX) > 0.5 || std::abs(y - state.lastY) > 0.5) ++state.moves;
    state.lastX = x, state.lastY = y;
    if (state.hidden) return;
    Registry* registry = LiveCursor(state);
    if (!registry || !registry->has<component::Transform>(state.entity)) return;
    int w = state.width, h = state.height;
    if (window) {
        const glm::ivec2 size = input::WindowSize(window);
        w = size.x, h = size.y;
    }
    if (w <= 0 || h <= 0) return;  // minimised
    const double halfW = w * 0.5, halfH = h * 0.5;
    const double nx = std::clamp(x / halfW - 1.0, -1.0, 1.0);
    const double ny = std::clamp(1.0 - y / halfH, -1.0, 1.0);
    if (window) {
        state.lastX = (nx + 1.0) * halfW, state.lastY = (1.0 - ny) * halfH;
        util::SetCursorPosition(window, state.lastX, state.lastY);
    }
    auto& transform = registry->get<component::Transform>(state.entity);
    transform.Translation = {static_cast<float>(nx) + transform.Scale.x * 0.5f,
                             static_cast<float>(ny) - transform.Scale.y * 0.5f};
    transform.Dirty = true;
}

void SetCursorHidden(Registry& registry, bool hidden) {
    CursorState& state = Cursor();
    if (!state.active) return;
    state.hidden = hidden;
    if (state.registry == &registry && LiveCursor(state)) SetVisible(registry, state.entity, !hidden);
}

void DestroyCursor(Registry& registry) {
    CursorState& state = Cursor();
    if (state.registry == &registry && LiveCursor(state)) registry.destroy(state.entity);
    platform::Unsubscribe(state.listener);
    ForgetCursor();
}

void ForgetCursor() noexcept {
    CursorState& state = Cursor();
    state.entity = NoEntity;
    state.registry = nullptr;
    state.window = nullptr;
    platform::Unsubscribe(state.listener);  // the listener list outlives the window
    state.listener = 0;
    state.hidden = true;
    state.active = false;
}

void MoveWindowlessPointer(double x, double y) { CursorPositionCallback(nullptr, x, y); }

}  // namespace velkor::levels
