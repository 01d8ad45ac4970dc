// Compiles and links a vertex and a fragment shader read from text files.
//
// Failures are printed on standard output and never stop the game: the returned program then
// simply draws nothing. The caller owns the program name.
#pragma once

#include <string>

namespace velkor::util {

[[nodiscard]] unsigned LoadShaderProgram(const std::string& vertexPath, const std::string& fragmentPath);

}  // namespace velkor::util
