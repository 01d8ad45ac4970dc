// Writes the current GL back buffer (the finished frame before the swap) to a PNG.
#pragma once

#include <iostream>
#include <string>
#include <vector>

#include <glad/gl.h>
#include <stb_image_write.h>

namespace velkor::test {

inline bool WriteBackBufferPng(const std::string& path) {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int w = viewport[2], h = viewport[3];
    std::vector<unsigned char> pixels(static_cast<std::size_t>(w) * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    stbi_flip_vertically_on_write(1);
    if (stbi_write_png(path.c_str(), w, h, 3, pixels.data(), w * 3)) return true;
    std::cerr << "could not write " << path << "\n";
    return false;
}

}  // namespace velkor::test
