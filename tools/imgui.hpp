// Hosts Dear ImGui in the game window, switches between full screen and a window on F11, and shows
// the developer overlay on F1 (tools/developer_overlay.hpp).
//
// Over Dear ImGui's docking release (third_party/imgui) with its GLFW and OpenGL 3 back ends; the
// GLFW back end installs no callbacks of its own but hears the game window's events from the
// platform layer's queue (platform/events.hpp), before the Input system does:
//  - one ImGui frame per game frame, after the scene and the debug shapes; with the overlay hidden
//    the frame is empty and the game's image is unchanged;
//  - keyboard and gamepad navigation, no mouse-cursor changes by ImGui, dark style, docking and
//    multiple viewports: the overlay moves freely, docks into the dock space laid over the game
//    window (a layout kept by ImGui) and can be dragged out of the game window into a platform window, which is drawn every frame with the game's context made current again;
//  - the keyboard belongs to one side at a time: the overlay takes no focus when it appears, so
//    keys stay the game's until the developer clicks into it; from then on ImGui has them and the
//    game sees none of their presses (F1 and F11 excepted) until a click on the game, or hiding
//    the overlay, hands them back;
//  - GLSL "#version 330 core", which every OpenGL 3.3 core context accepts ("#version 410" needs
//    a 4.1 context);
//  - the back ends are torn down at this system's shutdown, while the window (the entry
//    function's, closed after every shutdown) and its context still exist, or through the window's
//    beforeDestroy hooks should the window be closed first; the ImGui context goes at this
//    system's shutdown, which writes "imgui.ini" in the working directory.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/system.hpp"
#include "gameplay/player_behavior.hpp"
#include "serialization/transform.hpp"
#include "tools/developer_overlay.hpp"

struct ImGuiContext;

namespace velkor::singleton {
struct Window;
}

namespace velkor::system {

class ImGui final : public System<std::tuple<component::Transform, component::PlayerBehavior>> {
public:
    inline static constexpr int FullScreenKey = 300;  // F11
    inline static constexpr const char* GlslVersion = "#version 330 core";
    // The window that holds the dock space over the game while the overlay is shown.
    inline static constexpr const char* DockSpaceHost = "Dock space over the game";

    ImGui() = default;
    ImGui(const ImGui&) = delete;
    ImGui& operator=(const ImGui&) = delete;
    // An engine torn down without its shutdown still frees the context.
    ~ImGui() override;

    [[nodiscard]] const tools::OverlayState& Overlay() const noexcept { return overlay_; }

protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;

private:
    void ShutdownBackends() noexcept;
    void DestroyContext() noexcept;
    void ToggleOverlay();

    singleton::Window* windowState_ = nullptr;  // singleton slots never move
    bool fullscreenToggle_ = false;  // false: the next F11 leaves full screen
    bool backends_ = false;  // both back ends are initialised
    bool overlayHadKeyboard_ = false;  // the overlay was shown last frame and may hold the focus
    ::ImGuiContext* context_ = nullptr;
    // The window's teardown hook holds a weak reference: a system destroyed before the window
    // leaves behind a hook that does nothing.
    std::shared_ptr<ImGui*> self_ = std::make_shared<ImGui*>(this);
    std::uint64_t listener_ = 0;  // the back end's listener of the window's events
    bool cursorCapturedBeforeOverlay_ = false;
    tools::OverlayState overlay_;
};

}  // namespace velkor::system
