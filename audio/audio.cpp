#include "audio/audio.hpp"

namespace velkor::system {

void Audio::Init(Registry&) {}

void Audio::Update(float, Registry&) {}

void Audio::Shutdown(Registry&) {}

}  // namespace velkor::system
