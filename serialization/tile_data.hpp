// The cells of one Tiled tile layer, whichever way the editor wrote them.
//
// Tiled writes a layer's "data" either as a JSON array of global tile identifiers or, when the map's
// tile layer format says so, as a base64 string of little-endian 32-bit identifiers, optionally
// compressed with zlib, gzip or zstd. This decodes the array and the base64 forms (uncompressed,
// zlib, gzip) into one vector; anything it cannot decode (zstd, chunked layers of infinite maps,
// broken base64 or compressed streams) yields no cells and a trace message, never an exception.
//
// Identifiers keep Tiled's flip flags in their top bits; the caller decides what to do with them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include <rapidjson/document.h>

namespace velkor::tiled {

// Tiled's flag bits in a global tile identifier: horizontal, vertical and anti-diagonal flip, and
// the hexagonal 120-degree rotation.
inline constexpr std::uint32_t FlipFlags = 0xF0000000u;

// The layer's cells, row by row from the top, as written (flags included); nullopt when the
// layer carries no data this loader can read. A cell that is not an unsigned 32-bit number reads
// as empty (0). The vector may be shorter or longer than width x height: the caller checks.
[[nodiscard]] std::optional<std::vector<std::uint32_t>> DecodeTileData(const rapidjson::Value& layer);

// Standard base64 (RFC 4648, '=' padding optional, ASCII white space ignored); nullopt on any
// other character or a dangling final symbol.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> DecodeBase64(std::string_view text);

}  // namespace velkor::tiled
