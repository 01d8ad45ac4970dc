// Captures every trace message while alive; restores the previous sink afterwards.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/trace.hpp"

namespace velkor::test {

class TraceCapture {
public:
    TraceCapture() {
        previous_ = SetTraceSink([this](std::string_view m) { messages_.emplace_back(m); });
    }
    ~TraceCapture() { SetTraceSink(std::move(previous_)); }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    [[nodiscard]] const std::vector<std::string>& messages() const { return messages_; }
    [[nodiscard]] std::size_t count(std::string_view message) const {
        std::size_t n = 0;
        for (const auto& m : messages_) n += (m == message);
        return n;
    }
    [[nodiscard]] bool contains(std::string_view message) const { return count(message) > 0; }
    void clear() { messages_.clear(); }

private:
    std::vector<std::string> messages_;
    TraceSink previous_;
};

}  // namespace velkor::test
