// The trace sink: every diagnostic message of the engine is formed and handed to one sink.
//
// The game installs no sink, so traces cost the formatting and nothing else. Developers set
// VELKOR_TRACE=1 to have the entry function route them to standard error; tests install a
// capturing sink to assert on exact texts.
#pragma once

#include <functional>
#include <string_view>

namespace velkor {

using TraceSink = std::function<void(std::string_view)>;

// Hands one message (already carrying its own line end) to the installed sink, if any.
void Trace(std::string_view message);

// Installs a sink (an empty function removes it) and returns the previous one.
TraceSink SetTraceSink(TraceSink sink);

}  // namespace velkor
