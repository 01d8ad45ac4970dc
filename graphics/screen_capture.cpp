#include "graphics/screen_capture.hpp"

#include <algorithm>
#include <cstdint>
#include <iostream>

#include <glad/gl.h>
#include <stb_image_write.h>

#include "platform/window.hpp"

namespace velkor::util {

void RequestScreenCapture(entity::singleton_registry& singletons, std::string path) {
    if (!singletons.has<singleton::ScreenCapture>()) singletons.set(singleton::ScreenCapture{});
    singletons.get<singleton::ScreenCapture>().pending.push_back(std::move(path));
}

void WritePendingCaptures(entity::singleton_registry& singletons) {
    if (!singletons.has<singleton::ScreenCapture>()) return;
    auto& pending = singletons.get<singleton::ScreenCapture>().pending;
    if (pending.empty() || !HasGLContext()) return;
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int width = std::max(0, viewport[2]);
    const int height = std::max(0, viewport[3]);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3u);
    if (!pixels.empty()) {
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(viewport[0], viewport[1], width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    }
    // OpenGL's rows run bottom to top; the file's run top to bottom.
    stbi_flip_vertically_on_write(1);
    for (const std::string& path : pending) {
        if (pixels.empty() || !stbi_write_png(path.c_str(), width, height, 3, pixels.data(), width * 3))
            std::cerr << "could not write the screen shot " << path << '\n';
    }
    stbi_flip_vertically_on_write(0);
    pending.clear();
}

}  // namespace velkor::util
