// Texture atlas text (pages and regions) through the skeletal runtime's reader.
#include <string_view>

#include "fuzz_support.hpp"
#include "spine/atlas.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkor::fuzz::Start();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto atlas = velkor::spine::Atlas::Parse(text, "Assets/fuzz", nullptr, "fuzz.atlas");
    (void)atlas;
    return 0;
}
