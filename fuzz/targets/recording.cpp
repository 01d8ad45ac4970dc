// Recording files (record and replay) through their decoder.
#include <span>

#include "fuzz_support.hpp"
#include "tools/recording.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkor::fuzz::Start();
    const auto result = velkor::replay::Decode(std::span<const std::uint8_t>(data, size));
    if (result.ok()) {
        // What decodes must encode to a file that decodes to the same frames.
        const auto again = velkor::replay::Decode(velkor::replay::Encode(result.recording));
        if (!again.ok() || again.recording.frames.size() != result.recording.frames.size()) __builtin_trap();
    }
    return 0;
}
