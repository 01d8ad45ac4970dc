// Recordings of a run: what the game took from outside, frame by frame, and what its state was.
//
// A recording holds, once, the format version, whether the run used the fixed 1/60 s step, the
// random generator's seed and the start level; and for every frame the frame time, the window events
// the game heard (platform/events.hpp) and the answers to its direct polls (both in the order they
// happened, platform/input_source.hpp), and a summary of the game state at the end of the frame
// with a hash of it (tools/state_hash.hpp).
//
// File format, version 2 (version 1, the same without gamepad events, is still read). Every number is little-endian; floats and doubles are stored as their
// IEEE-754 bit patterns, so a file made on one machine reads the same on any other.
//
//   header   8 bytes  magic "VELKORRP"
//            u32      format version (2)
//            u32      flags: bit 0 = the run used the fixed step
//            u32      random seed
//            i32      start level (-1: the normal start at the logos)
//   frame*   u8       frame flags: bit 0 = the frame completed and its state summary is valid
//                     (the last frame of a run ended by an exception has it clear)
//            f32      frame time dt in seconds
//            state    u64 hash, u64 hash of the transforms, u64 hash of the key table, u32 entity
//                     count, i32 current level, i32 collected, f32 level time left, i32 player
//                     state, f32 x2 player velocity, f32 x2 player position, f32 x2 camera
//                     position (68 bytes)
//            u32      item count, then the items: u8 kind, then the kind's fields (ItemLayout):
//                     i32 fields first, then f64 fields. A poll whose answer repeats the frame's
//                     previous poll of that kind and key is stored as the kind + 0x80 alone (menus
//                     ask for the pointer once per button).
//   trailer  4 bytes  "VEND"
//            u32      frame count
//            u32      CRC-32 (the zlib polynomial) of every byte before this field
//
// A file is read whole and checked completely (magic, version, trailer, checksum, every frame and
// item) before anything of it is used: a corrupt file is refused with one line naming the fault,
// never half-run. A file whose header is whole but whose trailer is missing comes from a run that
// never finished it (killed, crashed): it reads as the frames complete before the cut, marked
// `cut`, since a crash is the run one most wants to see again. A file cut inside its header or
// before its first complete frame is refused.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include <glm/vec2.hpp>

namespace velkor::replay {

inline constexpr std::uint32_t FormatVersion = 2;
// The oldest version still read. Its runs replay exactly: the state hash covers the gamepad entries
// of the key table only when one of them is down.
inline constexpr std::uint32_t OldestFormatVersion = 1;
inline constexpr int NormalStart = -1;

// One thing the game took from outside within a frame. Events are delivered during the frame's
// event poll; queries are the answers to direct polls, handed back in the order they were asked.
enum class ItemKind : std::uint8_t {
    // Events: i[] and v[] hold the callback's arguments after the window.
    Key = 1,  // key, scancode, action, mods
    Char = 2,  // codepoint
    MouseButton = 3,  // button, action, mods
    CursorPosition = 4,  // x, y
    CursorEnter = 5,  // entered
    Scroll = 6,  // x offset, y offset
    Focus = 7,  // focused
    Iconify = 8,  // iconified
    Maximize = 9,  // maximized
    FramebufferSize = 10,  // width, height
    WindowSize = 11,  // width, height
    WindowPosition = 12,  // x, y
    Close = 13,  // (nothing)
    // Gamepad 1's events (version 2 on), delivered to the input source's gamepad callbacks.
    // Events are platform::EventKind's numbers and fields (tools/replay.cpp checks the two agree).
    GamepadConnection = 14,  // connected
    GamepadButton = 15,  // button, action
    GamepadAxis = 16,  // axis; value
    // Queries.
    KeyDownQuery = 64,  // key, answer (0 or 1)
    CursorQuery = 65,  // x, y
    WindowSizeQuery = 66,  // width, height
    CloseQuery = 67,  // answer (0 or 1)
};

struct Item {
    ItemKind kind = ItemKind::Close;
    std::int32_t i[4] = {0, 0, 0, 0};
    double v[2] = {0.0, 0.0};

    [[nodiscard]] bool IsQuery() const noexcept { return static_cast<std::uint8_t>(kind) >= 64; }
    friend bool operator==(const Item&, const Item&) = default;
};

// How many i32 and f64 fields a kind stores; {-1, -1} for a byte that names no kind.
struct ItemLayout {
    int ints = -1;
    int doubles = -1;
};
[[nodiscard]] ItemLayout LayoutOf(std::uint8_t kind) noexcept;

// The end-of-frame state that the replay compares, and the hash over all of it.
struct StateSummary {
    std::uint64_t hash = 0;  // over every field below
    std::uint64_t transformsHash = 0;  // every live entity's Transform, by entity identifier
    std::uint64_t keysHash = 0;  // the Input singleton's table (keys, mouse and gamepad)
    std::uint32_t entities = 0;  // entities with a Transform
    std::int32_t level = -1;  // GameState currentLevel
    std::int32_t collected = 0;
    float timeLeft = 0.0f;
    std::int32_t playerState = -1;  // -1: no player
    glm::vec2 playerVelocity{0.0f, 0.0f};
    glm::vec2 playerPosition{0.0f, 0.0f};
    glm::vec2 camera{0.0f, 0.0f};

    friend bool operator==(const StateSummary&, const StateSummary&) = default;
};

struct Frame {
    bool completed = true;  // false: an exception ended the run inside this frame
    float dt = 0.0f;
    StateSummary state;
    std::vector<Item> items;
};

struct Recording {
    bool fixedStep = false;
    std::uint32_t seed = 0;
    std::int32_t startLevel = NormalStart;
    std::vector<Frame> frames;
    bool cut = false;  // read from a file without its end: the frames complete before the cut
};

// The bytes of a whole file, and the parts a writer streams one after another.
[[nodiscard]] std::vector<std::uint8_t> Encode(const Recording& recording);
void AppendHeader(std::vector<std::uint8_t>& out, const Recording& recording);
void AppendFrame(std::vector<std::uint8_t>& out, const Frame& frame);

// Reads a whole file from memory. On failure `error` says what is wrong in one line.
struct DecodeResult {
    Recording recording;
    std::string error;
    [[nodiscard]] bool ok() const noexcept { return error.empty(); }
};
[[nodiscard]] DecodeResult Decode(std::span<const std::uint8_t> bytes);
[[nodiscard]] DecodeResult ReadRecordingFile(const std::string& path);

// CRC-32 with the zlib polynomial, continued from `crc` (0 to start).
[[nodiscard]] std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0) noexcept;

// Writes a recording as it is made: the header at once, each frame as it ends (flushed out of the
// process), and the trailer when finished. A run that dies before Finish leaves a file without a
// trailer, which reads as every frame it completed.
class Writer {
public:
    Writer() = default;
    ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // Opens (truncating) the file and writes the header. On failure returns false and sets error.
    bool Open(const std::string& path, const Recording& header, std::string& error);
    void Write(const Frame& frame);
    // Writes the trailer and closes the file; false (with error) when any write failed.
    bool Finish(std::string& error);
    [[nodiscard]] bool IsOpen() const noexcept { return file_ != nullptr; }

private:
    void Put(const std::vector<std::uint8_t>& bytes);

    std::FILE* file_ = nullptr;
    std::uint32_t crc_ = 0;
    std::uint32_t frames_ = 0;
    bool failed_ = false;
};

}  // namespace velkor::replay
