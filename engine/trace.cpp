#include "engine/trace.hpp"

#include <utility>

namespace velkor {

namespace {
TraceSink& Sink() {
    static TraceSink sink;
    return sink;
}
}  // namespace

void Trace(std::string_view message) {
    if (auto& sink = Sink()) sink(message);
}

TraceSink SetTraceSink(TraceSink sink) { return std::exchange(Sink(), std::move(sink)); }

}  // namespace velkor
