#include "graphics/shader.hpp"

#include <fstream>
#include <iostream>
#include <sstream>

#include <glad/gl.h>

#include "engine/trace.hpp"

namespace velkor::util {

namespace {

constexpr int InfoLogSize = 512;

// Reads the whole file; false when it cannot be opened or read (the text read so far is kept).
bool ReadSource(const std::string& path, std::string& out) {
    std::ifstream file;
    file.exceptions(std::ifstream::failbit | std::ifstream::badbit);
    try {
        file.open(path);
        std::stringstream buffer;
        buffer << file.rdbuf();
        out = buffer.str();
        return true;
    } catch (const std::ios_base::failure&) {
        return false;
    }
}

GLuint Compile(GLenum kind, const std::string& source, const std::string& path, const char* failure) {
    const GLuint shader = glCreateShader(kind);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[InfoLogSize] = {};
        glGetShaderInfoLog(shader, InfoLogSize, nullptr, log);
        std::cout << failure << log << std::endl;
        Trace("Shader " + path + " did not compile; what it draws stays undrawn.\n");
    }
    return shader;
}

}  // namespace

unsigned LoadShaderProgram(const std::string& vertexPath, const std::string& fragmentPath) {
    std::string vertexSource, fragmentSource;
    const bool vertexRead = ReadSource(vertexPath, vertexSource);
    const bool fragmentRead = vertexRead && ReadSource(fragmentPath, fragmentSource);
    if (!vertexRead || !fragmentRead) {
        std::cout << "ERROR::SHADER::FILE_NOT_SUCCESFULLY_READ" << std::endl;
        Trace("Shader " + (vertexRead ? fragmentPath : vertexPath) + " could not be read.\n");
    }

    const GLuint vertex = Compile(GL_VERTEX_SHADER, vertexSource, vertexPath, "ERROR::SHADER::VERTEX::COMPILATION_FAILED\n");
    const GLuint fragment = Compile(GL_FRAGMENT_SHADER, fragmentSource, fragmentPath, "ERROR::SHADER::FRAGMENT::COMPILATION_FAILED\n");
    const GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
        char log[InfoLogSize] = {};
        glGetProgramInfoLog(program, InfoLogSize, nullptr, log);
        std::cout << "ERROR::SHADER::PROGRAM::LINKING_FAILED\n" << log << std::endl;
    }
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    return program;
}

}  // namespace velkor::util
