#include "tools/imgui.hpp"

#include <imgui.h>
#include <backends/imgui_impl_glfw.h>
#include <backends/imgui_impl_opengl3.h>

#include "gameplay/input.hpp"
#include "graphics/camera.hpp"
#include "graphics/debug_draw.hpp"
#include "platform/events.hpp"
#include "platform/window.hpp"

namespace {

// The library's own check of its headers against the compiled library; its macro names the
// library's namespace, which our system class of the same name hides inside velkor::system.
void CheckImGuiVersion() { IMGUI_CHECKVERSION(); }

// A dock space over the whole game window whose empty middle draws nothing and lets clicks through
// to the game. Unlike the library's ready-made one, its host window never takes the keyboard focus:
// appearing, it would otherwise take the game's keys before the developer has touched the overlay.
void DockSpaceOverGame() {
    const ImGuiViewport* viewport = ::ImGui::GetMainViewport();
    ::ImGui::SetNextWindowPos(viewport->WorkPos);
    ::ImGui::SetNextWindowSize(viewport->WorkSize);
    ::ImGui::SetNextWindowViewport(viewport->ID);
    ::ImGui::PushStyleVar(ImGuiStyleVar_WindowRounding, 0.0f);
    ::ImGui::PushStyleVar(ImGuiStyleVar_WindowBorderSize, 0.0f);
    ::ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(0.0f, 0.0f));
    constexpr ImGuiWindowFlags flags = ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoCollapse |
                                       ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoDocking |
                                       ImGuiWindowFlags_NoBringToFrontOnFocus | ImGuiWindowFlags_NoNavFocus |
                                       ImGuiWindowFlags_NoNavInputs | ImGuiWindowFlags_NoFocusOnAppearing |
                                       ImGuiWindowFlags_NoBackground;
    ::ImGui::Begin(velkor::system::ImGui::DockSpaceHost, nullptr, flags);
    ::ImGui::PopStyleVar(3);
    ::ImGui::DockSpace(::ImGui::GetID("DockSpace"), ImVec2(0.0f, 0.0f), ImGuiDockNodeFlags_PassthruCentralNode);
    ::ImGui::End();
}

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
                      ImGuiConfigFlags_NoMouseCursorChange | ImGuiConfigFlags_DockingEnable |
                      ImGuiConfigFlags_ViewportsEnable;
    ::ImGui::StyleColorsDark();
    // Platform windows have no rounded corners to blend and must not show the game through.
    ImGuiStyle& style = ::ImGui::GetStyle();
    style.WindowRounding = 0.0f;
    style.Colors[ImGuiCol_WindowBg].w = 1.0f;

    if (!windowState_->window || backends_) return;
    // The back end hears the window through the platform layer's queue rather than callbacks of its
    // own; it listens before the Input system, initialised later, does.
    GLFWwindow* window = windowState_->window;
    ImGui_ImplGlfw_InitForOpenGL(window, false);
    using platform::EventKind;
    listener_ = platform::Subscribe(
        platform::MaskOf(EventKind::Focus, EventKind::CursorEnter, EventKind::CursorPosition, EventKind::MouseButton,
                         EventKind::Scroll, EventKind::Key, EventKind::Char),
        [window](const platform::Event& e) {
            switch (e.kind) {
            case EventKind::Focus: return ImGui_ImplGlfw_WindowFocusCallback(window, e.i[0]);
            case EventKind::CursorEnter: return ImGui_ImplGlfw_CursorEnterCallback(window, e.i[0]);
            case EventKind::CursorPosition: return ImGui_ImplGlfw_CursorPosCallback(window, e.v[0], e.v[1]);
            case EventKind::MouseButton: return ImGui_ImplGlfw_MouseButtonCallback(window, e.i[0], e.i[1], e.i[2]);
            case EventKind::Scroll: return ImGui_ImplGlfw_ScrollCallback(window, e.v[0], e.v[1]);
            case EventKind::Key: return ImGui_ImplGlfw_KeyCallback(window, e.i[0], e.i[1], e.i[2], e.i[3]);
            case EventKind::Char: return ImGui_ImplGlfw_CharCallback(window, static_cast<unsigned>(e.i[0]));
            default: return;
            }
        });
    ImGui_ImplOpenGL3_Init(GlslVersion);
    backends_ = true;
    // A click on the overlay's windows is the overlay's alone: the game's buttons beneath must not
    // see it too.
    input::GetBackend().pointerTaken = [] {
        return ::ImGui::GetCurrentContext() != nullptr && ::ImGui::GetIO().WantCaptureMouse;
    };
    // Keys the overlay navigates with are its alone once the developer has clicked into it; the
    // two keys that show the overlay and switch the window mode always stay the game's, so the
    // overlay can be closed whatever has the keyboard.
    input::GetBackend().keysTaken = [](int key) {
        if (key == tools::OverlayToggleKey || key == FullScreenKey) return false;
        return ::ImGui::GetCurrentContext() != nullptr && ::ImGui::GetIO().WantCaptureKeyboard;
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
        cursorCapturedBeforeOverlay_ = util::CursorCaptured(window);
        util::SetCursorCaptured(window, false);
    } else {
        util::SetCursorCaptured(window, cursorCapturedBeforeOverlay_);
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
    if (overlay_.visible) {
        // The game stays visible and clickable through the dock space's empty middle; the overlay
        // docks to its edges or is dragged out of the game window into a window of its own.
        DockSpaceOverGame();
        tools::DrawDeveloperOverlay(registry, overlay_);
    } else if (overlayHadKeyboard_) {
        // A hidden overlay keeps no keyboard focus: the keys go back to the game.
        ::ImGui::SetWindowFocus(nullptr);
    }
    overlayHadKeyboard_ = overlay_.visible;
    ::ImGui::Render();
    ImGui_ImplOpenGL3_RenderDrawData(::ImGui::GetDrawData());

    if (::ImGui::GetIO().ConfigFlags & ImGuiConfigFlags_ViewportsEnable) {
        // The platform windows draw with contexts of their own; the game draws on with its own.
        GLFWwindow* current = util::CurrentContextWindow();
        ::ImGui::UpdatePlatformWindows();
        ::ImGui::RenderPlatformWindowsDefault();
        util::MakeContextCurrent(current);
    }
}

void ImGui::ShutdownHook(Registry&) {
    // The window still stands (the entry function closes it after the shutdown pass), so the back
    // ends release their GL objects and callbacks here, with the context current.
    if (windowState_) util::MakeWindowContextCurrent(*windowState_);
    ShutdownBackends();
    DestroyContext();
    windowState_ = nullptr;
}

void ImGui::ShutdownBackends() noexcept {
    if (!backends_ || !context_) return;
    platform::Unsubscribe(listener_);
    listener_ = 0;
    ::ImGui::SetCurrentContext(context_);
    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplGlfw_Shutdown();
    input::GetBackend().pointerTaken = nullptr;
    input::GetBackend().keysTaken = nullptr;
    backends_ = false;
}

void ImGui::DestroyContext() noexcept {
    if (!context_) return;
    ::ImGui::DestroyContext(context_);  // saves "imgui.ini"
    context_ = nullptr;
}

}  // namespace velkor::system
