// Image files through the texture cache's decoder, with the file's own channel count and as RGBA.
#include "fuzz_support.hpp"
#include "graphics/image.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const int channels : {0, 4}) {
        const auto decoded = velkor::image::DecodeMemory(data, size, channels);
        if (decoded.pixels) {
            // Touch the last byte: the buffer must be as large as the size it claims.
            const std::size_t bytes = static_cast<std::size_t>(decoded.width) * decoded.height * decoded.channels;
            volatile unsigned char last = decoded.pixels.get()[bytes - 1];
            (void)last;
        }
    }
    return 0;
}
