#include "tools/imgui.hpp"

#include <imgui.h>
#include <backends/imgui_impl_glfw.h>
#include <backends/imgui_impl_opengl3.h>

#include <GLFW/glfw3.h>

#include "gameplay/input.hpp"
#include "graphics/camera.hpp"
#include "graphics/debug_draw.hpp"
#include "graphics/window.hpp"

namespace {

// The library's own check of its headers against the compiled library; its macro names the
// library's namespace, which our system class of the same name hides inside velkor::system.
void CheckImGuiVersion() { IMGUI_CHECKVERSION(); }

}  // namespace

namespace velkor::system {

ImGui::~ImGui() {
    self_.reset();
    ShutdownBackends();
    DestroyContext();
}

void ImGui::InitHook(Registry& registry) {
    auto& singletons = registry.singletons;
    windowState_ = &util::GetOrCreateWindow(singletons);
    (void)util::GetOrCreateCamera(singletons);
    if (!singletons.has<singleton::DebugDraw>()) singletons.set(singleton::DebugDraw{});
    fullscreenToggle_ = false;
    overlay_ = {};

    CheckImGuiVersion();
    if (!context_) context_ = ::ImGui::CreateContext();
    ::ImGui::SetCurrentContext(context_);
    ImGuiIO& io = ::ImGui::GetIO();
    io.ConfigFlags |= ImGuiConfigFlags_NavEnableKeyboard | ImGuiConfigFlags_NavEnableGamepad |
                      ImGuiConfigFlags_NoMouseCursorChange;
#ifdef IMGUI_HAS_DOCK
    io.ConfigFlags |= ImGuiConfigFlags_DockingEnable;
#endif
#ifdef IMGUI_HAS_VIEWPORT
    io.ConfigFlags |= ImGuiConfigFlags_ViewportsEnable;
#endif
    ::ImGui::StyleColorsDark();
#ifdef IMGUI_HAS_VIEWPORT
    // Platform windows have no rounded corners to blend and must not show the game through.
    ImGuiStyle& style = ::ImGui::GetStyle();
    style.WindowRounding = 0.0f;
    style.Colors[ImGuiCol_WindowBg].w = 1.0f;
#endif

    if (!windowState_->window || backends_) return;
    // Installs its own callbacks; the Input system, initialised later, chains its callbacks to them.
    ImGui_ImplGlfw_InitForOpenGL(windowState_->window, true);
    ImGui_ImplOpenGL3_Init(GlslVersion);
    backends_ = true;
    // A click on the overlay's windows is the overlay's alone: the game's buttons beneath must not
    // see it too.
    input::GetBackend().pointerTaken = [] {
        return ::ImGui::GetCurrentContext() != nullptr && ::ImGui::GetIO().WantCaptureMouse;
    };
    windowState_->beforeDestroy.emplace_back([weak = std::weak_ptr<ImGui*>(self_)] {
        if (auto self = weak.lock()) (*self)->ShutdownBackends();
    });
}

void ImGui::ToggleOverlay() {
    overlay_.visible = !overlay_.visible;
    GLFWwindow* window = windowState_ ? windowState_->window : nullptr;
    if (!window) return;
    // The game captures the cursor while it has focus; the overlay needs a pointer to click with.
    if (overlay_.visible) {
        cursorModeBeforeOverlay_ = glfwGetInputMode(window, GLFW_CURSOR);
        glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
    } else if (cursorModeBeforeOverlay_ != 0) {
        glfwSetInputMode(window, GLFW_CURSOR, cursorModeBeforeOverlay_);
    }
}

void ImGui::UpdateHook(float, View& view) {
    if (!context_ || !backends_ || !windowState_ || !windowState_->window) return;
    Registry& registry = view.get_registry();
    ::ImGui::SetCurrentContext(context_);

    const auto& input = input::EnsureInput(registry);
    if (input.IsPressed(FullScreenKey)) {
        if (fullscreenToggle_)
            util::SetFullScreen(*windowState_);
        else
            util::SetWindowed(*windowState_);  // decorated: the title bar comes back
        fullscreenToggle_ = !fullscreenToggle_;
    }
    if (input.IsPressed(tools::OverlayToggleKey)) ToggleOverlay();

    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplGlfw_NewFrame();
    ::ImGui::NewFrame();
    overlay_.RecordFrame(::ImGui::GetIO().DeltaTime);
    if (overlay_.visible) tools::DrawDeveloperOverlay(registry, overlay_);
    ::ImGui::Render();
    ImGui_ImplOpenGL3_RenderDrawData(::ImGui::GetDrawData());

#ifdef IMGUI_HAS_VIEWPORT
    if (::ImGui::GetIO().ConfigFlags & ImGuiConfigFlags_ViewportsEnable) {
        GLFWwindow* current = glfwGetCurrentContext();
        ::ImGui::UpdatePlatformWindows();
        ::ImGui::RenderPlatformWindowsDefault();
        glfwMakeContextCurrent(current);
    }
#endif
}

void ImGui::ShutdownHook(Registry& registry) {
    // Normally an earlier system has destroyed the window, and with it (through the hook) the back
    // ends. If the window still stands, destroying it here runs the same hook first.
    util::DestroyWindow(registry.singletons);
    ShutdownBackends();
    DestroyContext();
    windowState_ = nullptr;
}

void ImGui::ShutdownBackends() noexcept {
    if (!backends_ || !context_) return;
    ::ImGui::SetCurrentContext(context_);
    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplGlfw_Shutdown();
    input::GetBackend().pointerTaken = nullptr;
    backends_ = false;
}

void ImGui::DestroyContext() noexcept {
    if (!context_) return;
    ::ImGui::DestroyContext(context_);  // saves "imgui.ini"
    context_ = nullptr;
}

}  // namespace velkor::system
