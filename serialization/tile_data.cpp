#include "serialization/tile_data.hpp"

#include <array>
#include <string>

#include <zlib.h>

#include "engine/trace.hpp"

namespace velkor::tiled {

namespace {

constexpr std::uint8_t NotBase64 = 0xFF;

constexpr std::array<std::uint8_t, 256> Base64Table() {
    std::array<std::uint8_t, 256> table{};
    table.fill(NotBase64);
    constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (std::size_t i = 0; i < alphabet.size(); ++i) table[static_cast<unsigned char>(alphabet[i])] = static_cast<std::uint8_t>(i);
    return table;
}

bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

std::string_view StringMember(const rapidjson::Value& object, const char* key) {
    auto it = object.FindMember(key);
    if (it == object.MemberEnd() || !it->value.IsString()) return {};
    return {it->value.GetString(), it->value.GetStringLength()};
}

// Inflates a zlib (windowBits 15) or gzip (31) stream, stopping at `limit` bytes so that a stream
// that claims more cells than the layer has cannot make us allocate without bound.
std::optional<std::vector<std::uint8_t>> Inflate(const std::vector<std::uint8_t>& input, int windowBits, std::size_t limit) {
    z_stream stream{};
    if (inflateInit2(&stream, windowBits) != Z_OK) return std::nullopt;
    std::vector<std::uint8_t> output(limit);
    stream.next_in = const_cast<Bytef*>(input.data());
    stream.avail_in = static_cast<uInt>(input.size());
    stream.next_out = output.data();
    stream.avail_out = static_cast<uInt>(output.size());
    const int result = inflate(&stream, Z_FINISH);
    const std::size_t produced = output.size() - stream.avail_out;
    const std::string message = stream.msg ? stream.msg : "";
    inflateEnd(&stream);
    // Z_BUF_ERROR with a full buffer means there was more: the caller sees the cells it expected.
    const bool full = stream.avail_out == 0;
    if (result != Z_STREAM_END && !(result == Z_BUF_ERROR && full)) {
        Trace("Tile layer data could not be decompressed (" + (message.empty() ? "truncated stream" : message) +
              "); layer skipped.\n");
        return std::nullopt;
    }
    output.resize(produced);
    return output;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> DecodeBase64(std::string_view text) {
    static constexpr auto table = Base64Table();
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 4 * 3);
    std::uint32_t bits = 0;
    int count = 0;
    bool padding = false;
    for (char c : text) {
        if (IsSpace(c)) continue;
        if (c == '=') {
            padding = true;
            continue;
        }
        const std::uint8_t value = table[static_cast<unsigned char>(c)];
        if (value == NotBase64 || padding) return std::nullopt;  // padding only ever ends the text
        bits = (bits << 6) | value;
        if (++count == 4) {
            bytes.push_back(static_cast<std::uint8_t>(bits >> 16));
            bytes.push_back(static_cast<std::uint8_t>(bits >> 8));
            bytes.push_back(static_cast<std::uint8_t>(bits));
            bits = 0;
            count = 0;
        }
    }
    if (count == 1) return std::nullopt;  // six bits cannot make a byte
    if (count == 2) bytes.push_back(static_cast<std::uint8_t>(bits >> 4));
    if (count == 3) {
        bytes.push_back(static_cast<std::uint8_t>(bits >> 10));
        bytes.push_back(static_cast<std::uint8_t>(bits >> 2));
    }
    return bytes;
}

std::optional<std::vector<std::uint32_t>> DecodeTileData(const rapidjson::Value& layer) {
    if (!layer.IsObject()) return std::nullopt;
    auto data = layer.FindMember("data");
    if (data == layer.MemberEnd()) {
        if (layer.HasMember("chunks"))
            Trace("Tile layer of an infinite map (chunks) is not supported; layer skipped.\n");
        else
            Trace("Tile layer has no \"data\"; layer skipped.\n");
        return std::nullopt;
    }

    if (data->value.IsArray()) {
        std::vector<std::uint32_t> cells;
        cells.reserve(data->value.Size());
        for (const auto& cell : data->value.GetArray()) cells.push_back(cell.IsUint() ? cell.GetUint() : 0u);
        return cells;
    }

    const std::string_view encoding = StringMember(layer, "encoding");
    if (encoding != "base64" || !data->value.IsString()) {
        Trace("Tile layer data is neither an array nor base64 text; layer skipped.\n");
        return std::nullopt;
    }
    auto bytes = DecodeBase64({data->value.GetString(), data->value.GetStringLength()});
    if (!bytes) {
        Trace("Tile layer data is not valid base64; layer skipped.\n");
        return std::nullopt;
    }

    const std::string_view compression = StringMember(layer, "compression");
    if (!compression.empty()) {
        if (compression != "zlib" && compression != "gzip") {
            Trace("Tile layer compression " + std::string(compression) + " is not supported; layer skipped.\n");
            return std::nullopt;
        }
        // One cell more than the layer holds, so that a longer stream is still seen as longer.
        int width = 0, height = 0;
        if (auto w = layer.FindMember("width"); w != layer.MemberEnd() && w->value.IsInt()) width = w->value.GetInt();
        if (auto h = layer.FindMember("height"); h != layer.MemberEnd() && h->value.IsInt()) height = h->value.GetInt();
        const std::size_t cells = width > 0 && height > 0 ? static_cast<std::size_t>(width) * static_cast<std::size_t>(height) : 0;
        bytes = Inflate(*bytes, compression == "zlib" ? 15 : 15 + 16, (cells + 1) * 4);
        if (!bytes) return std::nullopt;
    }

    if (bytes->size() % 4 != 0)
        Trace("Tile layer data ends in a partial tile identifier; the partial one is dropped.\n");
    std::vector<std::uint32_t> cells(bytes->size() / 4);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::uint8_t* b = bytes->data() + 4 * i;
        cells[i] = std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24;
    }
    return cells;
}

}  // namespace velkor::tiled
