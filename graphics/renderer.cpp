#include "graphics/renderer.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <string>

#include <glad/gl.h>
#include <glm/gtc/type_ptr.hpp>

#include "engine/trace.hpp"
#include "graphics/shader.hpp"
#include "platform/window.hpp"

namespace velkor::util {

namespace {

constexpr const char* LitVertexShader = "Data/Shaders/LightVertexShaderSource.txt";
constexpr const char* LitFragmentShader = "Data/Shaders/MultipleLightFragmentShader.txt";
constexpr const char* PlainVertexShader = "Data/Shaders/vertexShaderSource.txt";
constexpr const char* PlainFragmentShader = "Data/Shaders/fragmentShaderSource.txt";
constexpr const char* LightMapVertexShader = "Data/Shaders/LightMapVertexShader.txt";
constexpr const char* LightMapFragmentShader = "Data/Shaders/LightMapFragmentShader.txt";
constexpr const char* OccluderVertexShader = "Data/Shaders/OccluderVertexShader.txt";
constexpr const char* OccluderFragmentShader = "Data/Shaders/OccluderFragmentShader.txt";
constexpr const char* StretchVertexShader = "Data/Shaders/StretchVertexShader.txt";
constexpr const char* StretchFragmentShader = "Data/Shaders/StretchFragmentShader.txt";
constexpr const char* RenderScaleVariable = "VELKOR_RENDER_SCALE";

// The light map shader's fan: its centre and the 17 rim points of FAN_SEGMENTS = 16.
constexpr int LightFanVertices = 18;

// The unit the light map is bound to; everything else samples unit 0.
constexpr int LightMapUnit = 1;

// The light map stores sums divided by this (a power of two: exact in floating point). At full
// scale it holds 32-bit floats, so the frame matches the per-fragment light walk to the bit; below
// full scale (software rasterisers) 16-bit fixed point, steps of 1/4096 up to 16, which such
// rasterisers read several times faster. The two differ by less than a colour step, but that
// still flips the rounding of a few pixels under stacks of translucent sprites.
constexpr float LightRange = 16.0f;

// Below full scale the light map has a quarter of the scene's texels each way. A light field
// changes by less than a colour step across such a block, so the levels' frames stay within a few
// steps of the full map, and summing the lights is a sixteenth of the work: on a software
// rasteriser the sums were the costliest part of a lit frame after the fill itself.
constexpr int FastLightMapDivisor = 4;

// Whether the framebuffer being drawn to has a depth buffer the scene may use.
bool HasDepthBuffer(unsigned framebuffer) {
    GLint type = GL_NONE, bits = 0;
    const GLenum attachment = framebuffer == 0 ? GL_DEPTH : GL_DEPTH_ATTACHMENT;
    glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, attachment, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE, &type);
    if (type == GL_NONE) return false;
    glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, attachment, GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE, &bits);
    return bits >= 16;
}

// Names the Mesa, SwiftShader and Windows software rasterisers give in GL_RENDERER.
bool IsSoftwareRenderer(std::string_view renderer) {
    std::string lower(renderer);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "software", "swiftshader", "gdi generic"})
        if (lower.find(name) != std::string::npos) return true;
    return false;
}

unsigned OnePixelTexture(std::array<unsigned char, 4> rgba) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

}  // namespace

float Renderer::DefaultRenderScale(std::string_view renderer, const char* override) {
    if (override && *override) {
        char* end = nullptr;
        const float value = std::strtof(override, &end);
        if (end != override && *end == '\0' && std::isfinite(value))
            return std::clamp(value, MinRenderScale, 1.0f);
        Trace(std::string(RenderScaleVariable) + " is not a number: " + override + "\n");
    }
    return IsSoftwareRenderer(renderer) ? SoftwareRenderScale : 1.0f;
}

void Renderer::SetRenderScale(float scale) noexcept {
    renderScale_ = std::isfinite(scale) ? std::clamp(scale, MinRenderScale, 1.0f) : 1.0f;
}

Renderer::Program Renderer::Load(const char* vertexPath, const char* fragmentPath) {
    Program p;
    p.name = util::LoadShaderProgram(vertexPath, fragmentPath);
    auto at = [&](const char* uniform) { return glGetUniformLocation(p.name, uniform); };
    p.transform = at("transform");
    p.texOffset = at("texOffset");
    p.tint = at("tint");
    p.ambientFactor = at("ambientFactor");
    p.lightMap = at("lightMap");
    p.lightMapScale = at("lightMapScale");
    p.lightMapOrigin = at("lightMapOrigin");
    p.lightRange = at("lightRange");
    p.viewProjection = at("viewProjection");
    p.edgeInset = at("edgeInset");
    p.depthBias = at("depthBias");
    return p;
}

void Renderer::CreateLightGeometry() {
    glGenVertexArrays(1, &lightVertexArray_);
    glGenBuffers(1, &lightFan_);
    glGenBuffers(1, &lightInstances_);
    glBindVertexArray(lightVertexArray_);
    float fan[LightFanVertices];
    for (int i = 0; i < LightFanVertices; ++i) fan[i] = static_cast<float>(i);
    glBindBuffer(GL_ARRAY_BUFFER, lightFan_);
    glBufferData(GL_ARRAY_BUFFER, sizeof(fan), fan, GL_STATIC_DRAW);
    glVertexAttribPointer(0, 1, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, lightInstances_);
    const auto stride = static_cast<GLsizei>(sizeof(Frame::Light));
    auto instanced = [&](GLuint location, GLint size, std::size_t offset) {
        glVertexAttribPointer(location, size, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offset));
        glVertexAttribDivisor(location, 1);
        glEnableVertexAttribArray(location);
    };
    instanced(1, 2, offsetof(Frame::Light, position));
    instanced(2, 3, offsetof(Frame::Light, radiiStrength));
    instanced(3, 3, offsetof(Frame::Light, color));
    instanced(4, 3, offsetof(Frame::Light, cone));
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);

    noLight_ = OnePixelTexture({0, 0, 0, 0});
}

void Renderer::CreateStream() {
    glGenVertexArrays(1, &streamVertexArray_);
    glGenBuffers(1, &streamVertices_);
    glGenBuffers(1, &streamIndices_);
    glBindVertexArray(streamVertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, streamVertices_);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, streamIndices_);
    const auto stride = static_cast<GLsizei>(sizeof(Frame::Vertex));
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Frame::Vertex, position)));
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Frame::Vertex, texCoord)));
    glVertexAttribPointer(2, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Frame::Vertex, color)));
    for (GLuint i = 0; i < 3; ++i) glEnableVertexAttribArray(i);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    white_ = OnePixelTexture({255, 255, 255, 255});
    glGenVertexArrays(1, &emptyVertexArray_);
}

void Renderer::Resize(Target& target, int width, int height, TargetKind kind) {
    if (target.framebuffer && target.width == width && target.height == height && target.kind == kind) return;
    Release(target);
    glGenTextures(1, &target.texture);
    glBindTexture(GL_TEXTURE_2D, target.texture);
    // Light sums go past 1 and need more than 8 bits to stay within a step of the exact result.
    const bool sums = kind != TargetKind::Scene;
    switch (kind) {
    case TargetKind::Scene:
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        break;
    case TargetKind::ExactLightSums:
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, width, height, 0, GL_RGBA, GL_FLOAT, nullptr);
        break;
    case TargetKind::FastLightSums:
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA16, width, height, 0, GL_RGBA, GL_UNSIGNED_SHORT, nullptr);
        break;
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, sums ? GL_NEAREST : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, sums ? GL_NEAREST : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    glGenFramebuffers(1, &target.framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, target.texture, 0);
    if (kind == TargetKind::Scene) {
        glGenRenderbuffers(1, &target.depth);
        glBindRenderbuffer(GL_RENDERBUFFER, target.depth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
        glBindRenderbuffer(GL_RENDERBUFFER, 0);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, target.depth);
    }
    target.width = width;
    target.height = height;
    target.kind = kind;
}

void Renderer::Release(Target& target) {
    if (target.framebuffer) glDeleteFramebuffers(1, &target.framebuffer);
    if (target.texture) glDeleteTextures(1, &target.texture);
    if (target.depth) glDeleteRenderbuffers(1, &target.depth);
    target = Target{};
}

void Renderer::Init() {
    lit_ = Load(LitVertexShader, LitFragmentShader);
    plain_ = Load(PlainVertexShader, PlainFragmentShader);
    lightMapProgram_ = Load(LightMapVertexShader, LightMapFragmentShader);
    occluderProgram_ = Load(OccluderVertexShader, OccluderFragmentShader);
    stretchProgram_ = Load(StretchVertexShader, StretchFragmentShader);
    glUseProgram(occluderProgram_.name);
    glUniform1f(occluderProgram_.depthBias, DepthStep * 0.5f);
    // The stream carries transforms, offsets and tints in its vertices: these uniforms never change.
    const glm::mat4 identity(1.0f);
    for (const Program* p : {&lit_, &plain_}) {
        glUseProgram(p->name);
        glUniformMatrix4fv(p->transform, 1, GL_FALSE, glm::value_ptr(identity));
        glUniform2f(p->texOffset, 0.0f, 0.0f);
        glUniform4f(p->tint, 1.0f, 1.0f, 1.0f, 1.0f);
    }
    glUseProgram(lit_.name);
    glUniform1i(lit_.lightMap, LightMapUnit);
    glUniform1f(lit_.lightRange, LightRange);
    glUseProgram(lightMapProgram_.name);
    glUniform1f(lightMapProgram_.lightRange, LightRange);
    glUseProgram(lit_.name);
    glUniform1f(lit_.ambientFactor, AmbientFactor);
    glUseProgram(0);
    CreateLightGeometry();
    CreateStream();
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    renderScale_ = DefaultRenderScale(renderer ? renderer : "", std::getenv(RenderScaleVariable));
}

void Renderer::DrawLightMap(const Frame& frame, int width, int height, TargetKind kind) {
    Resize(lightMap_, width, height, kind);
    glBindFramebuffer(GL_FRAMEBUFFER, lightMap_.framebuffer);
    glViewport(0, 0, width, height);
    // Only texels under lit draws are ever read (a texel of margin for filtering): the rest of the
    // map may keep older sums.
    auto toPixels = [](float clip, int size, bool up) {
        const float at = (clip * 0.5f + 0.5f) * static_cast<float>(size);
        const float edge = up ? std::ceil(at) + 1.0f : std::floor(at) - 1.0f;
        return static_cast<int>(std::clamp(edge, 0.0f, static_cast<float>(size)));
    };
    const int x0 = toPixels(frame.litMin.x, width, false), x1 = toPixels(frame.litMax.x, width, true);
    const int y0 = toPixels(frame.litMin.y, height, false), y1 = toPixels(frame.litMax.y, height, true);
    lightMapPixels_ = static_cast<long>(x1 - x0) * (y1 - y0);
    glEnable(GL_SCISSOR_TEST);
    glScissor(x0, y0, x1 - x0, y1 - y0);
    const float none[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glClearBufferfv(GL_COLOR, 0, none);
    glBlendFunc(GL_ONE, GL_ONE);
    glUseProgram(lightMapProgram_.name);
    glUniformMatrix4fv(lightMapProgram_.viewProjection, 1, GL_FALSE, glm::value_ptr(frame.viewProjection));
    glBindBuffer(GL_ARRAY_BUFFER, lightInstances_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(frame.lights.size() * sizeof(Frame::Light)), frame.lights.data(),
                 GL_STREAM_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindVertexArray(lightVertexArray_);
    glDrawArraysInstanced(GL_TRIANGLE_FAN, 0, LightFanVertices, static_cast<GLsizei>(frame.lights.size()));
    glBindVertexArray(0);
    glDisable(GL_SCISSOR_TEST);
    ++drawCalls_;
}

void Renderer::DrawOccluders(const Frame& frame, std::size_t firstIndex) {
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LESS);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glUseProgram(occluderProgram_.name);
    for (const Frame::OccluderRun& run : frame.occluderRuns) {
        glUniform1f(occluderProgram_.edgeInset, run.edgeInset);
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(run.indexCount), GL_UNSIGNED_INT,
                       reinterpret_cast<void*>((firstIndex + run.firstIndex) * sizeof(unsigned)));
        ++drawCalls_;
    }
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    // The shading pass tests against the occluders but writes no depth of its own.
    glDepthMask(GL_FALSE);
    glDepthFunc(GL_LEQUAL);
}

void Renderer::Stretch(int x, int y, int width, int height) {
    glViewport(x, y, width, height);
    glDisable(GL_BLEND);
    glUseProgram(stretchProgram_.name);
    glBindTexture(GL_TEXTURE_2D, scene_.texture);
    // A whole multiple (half scale on a 1920 x 1080 window) repeats each scene pixel as a crisp
    // block, and a software rasteriser samples one texel instead of four; other ratios blend.
    const bool whole = width % scene_.width == 0 && height % scene_.height == 0 &&
                       width / scene_.width == height / scene_.height;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, whole ? GL_NEAREST : GL_LINEAR);
    glBindVertexArray(emptyVertexArray_);
    glDrawArrays(GL_TRIANGLES, 0, 3);
    glBindVertexArray(streamVertexArray_);
    glEnable(GL_BLEND);
    ++drawCalls_;
}

void Renderer::Draw(const Frame& frame) {
    drawCalls_ = 0;
    occluders_ = 0;
    lightMapPixels_ = 0;

    // The frame ends up in whatever framebuffer and viewport were current (the window's, normally).
    GLint viewport[4] = {};
    GLint output = 0;
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &output);
    const int width = std::max(viewport[2], 1), height = std::max(viewport[3], 1);
    // Logos and menus often draw nothing below the UI layer: then there is nothing to stretch.
    const bool offscreen = renderScale_ < 1.0f && frame.AnyScaled();
    const int sceneWidth = offscreen ? std::max(1, static_cast<int>(std::lround(width * renderScale_))) : width;
    const int sceneHeight = offscreen ? std::max(1, static_cast<int>(std::lround(height * renderScale_))) : height;

    glEnable(GL_BLEND);
    const int lightDivisor = offscreen ? FastLightMapDivisor : 1;
    const int lightWidth = (sceneWidth + lightDivisor - 1) / lightDivisor;
    const int lightHeight = (sceneHeight + lightDivisor - 1) / lightDivisor;
    // Menus and other frames without a lit draw need no light map.
    const bool lightMap = !frame.lights.empty() && frame.AnyLit();
    if (lightMap)
        DrawLightMap(frame, lightWidth, lightHeight, offscreen ? TargetKind::FastLightSums : TargetKind::ExactLightSums);
    glActiveTexture(GL_TEXTURE0 + LightMapUnit);
    glBindTexture(GL_TEXTURE_2D, lightMap ? lightMap_.texture : noLight_);
    glActiveTexture(GL_TEXTURE0);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    // Where the draws go: the scene target at the render scale, then the output at full size.
    auto beginPass = [&](unsigned framebuffer, int x, int y, int w, int h) {
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glViewport(x, y, w, h);
        glUseProgram(lit_.name);
        // gl_FragCoord counts from the framebuffer's corner, not the viewport's; the light map
        // covers the viewport at its own size.
        glUniform2f(lit_.lightMapOrigin, static_cast<float>(x), static_cast<float>(y));
        glUniform2f(lit_.lightMapScale, static_cast<float>(lightWidth) / static_cast<float>(w),
                    static_cast<float>(lightHeight) / static_cast<float>(h));
    };
    if (offscreen) {
        Resize(scene_, sceneWidth, sceneHeight, TargetKind::Scene);
        beginPass(scene_.framebuffer, 0, 0, sceneWidth, sceneHeight);
        glClear(GL_COLOR_BUFFER_BIT);  // with the clear colour the frame began with
    } else {
        beginPass(static_cast<unsigned>(output), viewport[0], viewport[1], width, height);
    }
    const bool occlude = !frame.occluderRuns.empty() &&
                         (offscreen || HasDepthBuffer(static_cast<unsigned>(output)));

    glBindVertexArray(streamVertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, streamVertices_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(frame.stream.size() * sizeof(Frame::Vertex)), frame.stream.data(),
                 GL_STREAM_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    // The occluders' indices follow the frame's in the same buffer.
    const std::size_t occluderFirst = frame.indices.size();
    const std::size_t indexCount = occluderFirst + (occlude ? frame.occluderIndices.size() : 0);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indexCount * sizeof(unsigned)), nullptr, GL_STREAM_DRAW);
    glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(occluderFirst * sizeof(unsigned)),
                    frame.indices.data());
    if (occlude) {
        glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLintptr>(occluderFirst * sizeof(unsigned)),
                        static_cast<GLsizeiptr>(frame.occluderIndices.size() * sizeof(unsigned)), frame.occluderIndices.data());
        // Only the scene's part of the output (the viewport) is cleared: the rest is not ours.
        glEnable(GL_SCISSOR_TEST);
        glScissor(offscreen ? 0 : viewport[0], offscreen ? 0 : viewport[1], sceneWidth, sceneHeight);
        glDepthMask(GL_TRUE);
        glClear(GL_DEPTH_BUFFER_BIT);
        glDisable(GL_SCISSOR_TEST);
        DrawOccluders(frame, occluderFirst);
        occluders_ = static_cast<int>(frame.occluderRuns.size());
        glUseProgram(lit_.name);
    }
    unsigned program = lit_.name;
    bool stretched = !offscreen;
    auto stretch = [&] {
        glDisable(GL_DEPTH_TEST);
        glBindFramebuffer(GL_FRAMEBUFFER, static_cast<unsigned>(output));
        Stretch(viewport[0], viewport[1], width, height);
        beginPass(static_cast<unsigned>(output), viewport[0], viewport[1], width, height);
        program = lit_.name;
        stretched = true;
    };
    for (const Frame::Run& run : frame.runs) {
        const unsigned runProgram = run.lit ? lit_.name : plain_.name;
        if (run.fullSize && !stretched) stretch();
        // Full-size layers are drawn after everything the depth buffer orders.
        if (run.fullSize) glDisable(GL_DEPTH_TEST);
        if (runProgram != program) {
            glUseProgram(runProgram);
            program = runProgram;
        }
        glBindTexture(GL_TEXTURE_2D, run.textured ? run.texture : white_);
        if (run.textured) {
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_BORDER);
        }
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(run.indexCount), GL_UNSIGNED_INT,
                       reinterpret_cast<void*>(run.firstIndex * sizeof(unsigned)));
        ++drawCalls_;
    }
    if (!stretched) stretch();

    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LESS);
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glActiveTexture(GL_TEXTURE0 + LightMapUnit);
    glBindTexture(GL_TEXTURE_2D, 0);
    glActiveTexture(GL_TEXTURE0);
    glUseProgram(0);
}

void Renderer::Shutdown() {
    // The GL objects go while the context still exists.
    if (util::HasGLContext()) {
        glDeleteProgram(plain_.name);
        glDeleteProgram(lit_.name);
        glDeleteProgram(lightMapProgram_.name);
        glDeleteProgram(occluderProgram_.name);
        glDeleteProgram(stretchProgram_.name);
        glDeleteVertexArrays(1, &emptyVertexArray_);
        glDeleteVertexArrays(1, &lightVertexArray_);
        const GLuint buffers[] = {lightFan_, lightInstances_};
        glDeleteBuffers(2, buffers);
        glDeleteTextures(1, &noLight_);
        glDeleteTextures(1, &white_);
        glDeleteVertexArrays(1, &streamVertexArray_);
        const GLuint stream[] = {streamVertices_, streamIndices_};
        glDeleteBuffers(2, stream);
        Release(scene_);
        Release(lightMap_);
    }
    plain_ = lit_ = lightMapProgram_ = occluderProgram_ = stretchProgram_ = Program{};
    emptyVertexArray_ = 0;
    lightVertexArray_ = lightFan_ = lightInstances_ = noLight_ = white_ = 0;
    streamVertexArray_ = streamVertices_ = streamIndices_ = 0;
    scene_ = lightMap_ = Target{};
}

}  // namespace velkor::util
