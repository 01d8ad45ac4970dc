#include "tools/recording.hpp"

#include <array>
#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>

namespace velkor::replay {

namespace {

constexpr std::array<char, 8> Magic = {'V', 'E', 'L', 'K', 'O', 'R', 'R', 'P'};
constexpr std::array<char, 4> EndMagic = {'V', 'E', 'N', 'D'};
constexpr std::size_t HeaderSize = 8 + 4 + 4 + 4 + 4;
constexpr std::size_t TrailerSize = 4 + 4 + 4;
constexpr std::size_t MinFrameSize = 1 + 4 + 68 + 4;
constexpr std::uint32_t FixedStepFlag = 1u;
constexpr std::uint8_t CompletedFlag = 1u;
constexpr std::uint8_t RepeatFlag = 0x80u;

void PutU8(std::vector<std::uint8_t>& out, std::uint8_t v) { out.push_back(v); }
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}
void PutU64(std::vector<std::uint8_t>& out, std::uint64_t v) {
    for (int shift = 0; shift < 64; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}
void PutI32(std::vector<std::uint8_t>& out, std::int32_t v) { PutU32(out, static_cast<std::uint32_t>(v)); }
void PutF32(std::vector<std::uint8_t>& out, float v) { PutU32(out, std::bit_cast<std::uint32_t>(v)); }
void PutF64(std::vector<std::uint8_t>& out, double v) { PutU64(out, std::bit_cast<std::uint64_t>(v)); }
void PutVec2(std::vector<std::uint8_t>& out, glm::vec2 v) {
    PutF32(out, v.x);
    PutF32(out, v.y);
}
template <std::size_t N>
void PutChars(std::vector<std::uint8_t>& out, const std::array<char, N>& chars) {
    for (char c : chars) out.push_back(static_cast<std::uint8_t>(c));
}

// Reads fields in order; any read past the end makes the reader fail, and every later read
// returns zero, so a decoder checks `ok()` once per record instead of after every field.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    [[nodiscard]] bool ok() const noexcept { return ok_; }
    [[nodiscard]] std::size_t position() const noexcept { return position_; }
    [[nodiscard]] std::size_t remaining() const noexcept { return bytes_.size() - position_; }

    std::uint8_t U8() { return static_cast<std::uint8_t>(Take(1)); }
    std::uint32_t U32() { return static_cast<std::uint32_t>(Take(4)); }
    std::uint64_t U64() { return Take(8); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    float F32() { return std::bit_cast<float>(U32()); }
    double F64() { return std::bit_cast<double>(U64()); }
    glm::vec2 Vec2() {
        const float x = F32();
        return {x, F32()};
    }
    template <std::size_t N>
    bool Matches(const std::array<char, N>& chars) {
        if (remaining() < N) return ok_ = false;
        const bool same = std::memcmp(bytes_.data() + position_, chars.data(), N) == 0;
        position_ += N;
        return same;
    }

private:
    std::uint64_t Take(int size) {
        if (!ok_ || remaining() < static_cast<std::size_t>(size)) {
            ok_ = false;
            return 0;
        }
        std::uint64_t v = 0;
        for (int k = 0; k < size; ++k) v |= static_cast<std::uint64_t>(bytes_[position_ + k]) << (8 * k);
        position_ += static_cast<std::size_t>(size);
        return v;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

void PutState(std::vector<std::uint8_t>& out, const StateSummary& s) {
    PutU64(out, s.hash);
    PutU64(out, s.transformsHash);
    PutU64(out, s.keysHash);
    PutU32(out, s.entities);
    PutI32(out, s.level);
    PutI32(out, s.collected);
    PutF32(out, s.timeLeft);
    PutI32(out, s.playerState);
    PutVec2(out, s.playerVelocity);
    PutVec2(out, s.playerPosition);
    PutVec2(out, s.camera);
}

StateSummary ReadState(Reader& in) {
    StateSummary s;
    s.hash = in.U64();
    s.transformsHash = in.U64();
    s.keysHash = in.U64();
    s.entities = in.U32();
    s.level = in.I32();
    s.collected = in.I32();
    s.timeLeft = in.F32();
    s.playerState = in.I32();
    s.playerVelocity = in.Vec2();
    s.playerPosition = in.Vec2();
    s.camera = in.Vec2();
    return s;
}

// Reads one frame. False with `fault` empty when the frame runs past `end` (in an unsealed file,
// the cut), with `fault` naming the damage otherwise.
bool ReadFrame(Reader& in, std::size_t end, bool sealed, std::uint8_t lastKind, Frame& frame, std::string& fault) {
    const std::uint8_t frameFlags = in.U8();
    frame.completed = (frameFlags & CompletedFlag) != 0;
    frame.dt = in.F32();
    frame.state = ReadState(in);
    const std::uint32_t itemCount = in.U32();
    if (!in.ok() || in.position() > end) return false;
    if ((frameFlags & ~CompletedFlag) != 0) {
        fault = "has unknown flags";
        return false;
    }
    if (!(frame.dt >= 0.0f && frame.dt <= 1.0f)) {
        fault = "has an impossible frame time";
        return false;
    }
    // Every item takes at least one byte: a larger count is damage, or a cut.
    if (itemCount > end - in.position()) {
        if (!sealed) return false;  // a cut through the items
        fault = "claims " + std::to_string(itemCount) + " items";
        return false;
    }
    frame.items.resize(itemCount);
    std::array<const Item*, 128> previous{};
    for (Item& item : frame.items) {
        const std::uint8_t kind = in.U8();
        if (!in.ok()) return false;
        if (kind & RepeatFlag) {
            const Item* last = previous[kind & ~RepeatFlag];
            if (!last) {
                fault = "repeats a poll it has not made";
                return false;
            }
            item = *last;
            continue;
        }
        const ItemLayout layout = LayoutOf(kind);
        if (layout.ints < 0 || (kind < 64 && kind > lastKind)) {
            fault = "has an item of unknown kind " + std::to_string(kind);
            return false;
        }
        item.kind = static_cast<ItemKind>(kind);
        for (int k = 0; k < layout.ints; ++k) item.i[k] = in.I32();
        for (int k = 0; k < layout.doubles; ++k) item.v[k] = in.F64();
        if (item.IsQuery()) previous[kind] = &item;
    }
    return in.ok() && in.position() <= end;
}

// Bit for bit: -0.0 and 0.0 are different answers, and a NaN equals itself.
bool Identical(const Item& a, const Item& b) {
    return a.kind == b.kind && std::memcmp(a.i, b.i, sizeof a.i) == 0 && std::memcmp(a.v, b.v, sizeof a.v) == 0;
}

std::string FrameError(std::size_t frame, const std::string& what) {
    return "the recording is corrupt: frame " + std::to_string(frame) + " " + what;
}

}  // namespace

ItemLayout LayoutOf(std::uint8_t kind) noexcept {
    switch (static_cast<ItemKind>(kind)) {
    case ItemKind::Key: return {4, 0};
    case ItemKind::MouseButton: return {3, 0};
    case ItemKind::Char:
    case ItemKind::CursorEnter:
    case ItemKind::Focus:
    case ItemKind::Iconify:
    case ItemKind::Maximize:
    case ItemKind::CloseQuery: return {1, 0};
    case ItemKind::FramebufferSize:
    case ItemKind::WindowSize:
    case ItemKind::WindowPosition:
    case ItemKind::KeyDownQuery:
    case ItemKind::WindowSizeQuery: return {2, 0};
    case ItemKind::CursorPosition:
    case ItemKind::Scroll:
    case ItemKind::CursorQuery: return {0, 2};
    case ItemKind::Close: return {0, 0};
    case ItemKind::GamepadConnection: return {1, 0};
    case ItemKind::GamepadButton: return {2, 0};
    case ItemKind::GamepadAxis: return {1, 1};
    }
    return {};
}

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc) noexcept {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::uint8_t b : bytes) crc = table[(crc ^ b) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}

void AppendHeader(std::vector<std::uint8_t>& out, const Recording& recording) {
    PutChars(out, Magic);
    PutU32(out, FormatVersion);
    PutU32(out, recording.fixedStep ? FixedStepFlag : 0u);
    PutU32(out, recording.seed);
    PutI32(out, recording.startLevel);
}

void AppendFrame(std::vector<std::uint8_t>& out, const Frame& frame) {
    PutU8(out, frame.completed ? CompletedFlag : 0u);
    PutF32(out, frame.dt);
    PutState(out, frame.state);
    PutU32(out, static_cast<std::uint32_t>(frame.items.size()));
    std::array<const Item*, 128> previous{};  // the frame's last query of each kind
    for (const Item& item : frame.items) {
        const auto kind = static_cast<std::uint8_t>(item.kind);
        const ItemLayout layout = LayoutOf(kind);
        if (item.IsQuery()) {
            const Item*& last = previous[kind];
            const bool same = last && Identical(*last, item);
            last = &item;
            if (same) {
                PutU8(out, kind | RepeatFlag);
                continue;
            }
        }
        PutU8(out, kind);
        for (int k = 0; k < layout.ints; ++k) PutI32(out, item.i[k]);
        for (int k = 0; k < layout.doubles; ++k) PutF64(out, item.v[k]);
    }
}

std::vector<std::uint8_t> Encode(const Recording& recording) {
    std::vector<std::uint8_t> out;
    AppendHeader(out, recording);
    for (const Frame& frame : recording.frames) AppendFrame(out, frame);
    PutChars(out, EndMagic);
    PutU32(out, static_cast<std::uint32_t>(recording.frames.size()));
    PutU32(out, Crc32(out));
    return out;
}

DecodeResult Decode(std::span<const std::uint8_t> bytes) {
    DecodeResult result;
    Recording& recording = result.recording;
    Reader in(bytes);
    if (bytes.size() < Magic.size() && std::memcmp(bytes.data(), Magic.data(), bytes.size()) == 0) {
        result.error = "the recording is truncated inside its header (" + std::to_string(bytes.size()) + " bytes)";
        return result;
    }
    if (!in.Matches(Magic)) {
        result.error = "not a VELKOR recording (it does not start with \"VELKORRP\")";
        return result;
    }
    const std::uint32_t version = in.U32();
    if (in.ok() && (version < OldestFormatVersion || version > FormatVersion)) {
        result.error = "the recording has format version " + std::to_string(version) + "; this build reads versions " +
                       std::to_string(OldestFormatVersion) + " to " + std::to_string(FormatVersion);
        return result;
    }
    // Version 1 knew no gamepad: such an item there is damage, not an event.
    const std::uint8_t lastKind =
        static_cast<std::uint8_t>(version < 2 ? ItemKind::Close : ItemKind::GamepadAxis);
    const std::uint32_t flags = in.U32();
    recording.fixedStep = (flags & FixedStepFlag) != 0;
    recording.seed = in.U32();
    recording.startLevel = in.I32();
    if (!in.ok()) {
        result.error = "the recording is truncated inside its header (" + std::to_string(bytes.size()) + " bytes)";
        return result;
    }
    if (flags & ~FixedStepFlag) {
        result.error = "the recording is corrupt: unknown header flags " + std::to_string(flags);
        return result;
    }

    // A file without its end marker comes from a run that never finished it (killed, crashed, the
    // machine lost power): every frame written before the cut is whole and worth replaying, since
    // such a run is the one most worth seeing again. A sealed file is checked completely instead.
    const bool sealed = bytes.size() >= HeaderSize + TrailerSize &&
                        std::memcmp(bytes.data() + bytes.size() - TrailerSize, EndMagic.data(), EndMagic.size()) == 0;
    std::uint32_t frameCount = 0;
    std::size_t framesEnd = bytes.size();
    if (sealed) {
        const std::size_t body = bytes.size() - 4;  // everything the checksum covers
        Reader trailer(bytes.subspan(body - 4));
        frameCount = trailer.U32();
        const std::uint32_t crc = trailer.U32();
        if (Crc32(bytes.first(body)) != crc) {
            result.error = "the recording is corrupt (checksum mismatch)";
            return result;
        }
        framesEnd = bytes.size() - TrailerSize;
        // Each frame takes at least MinFrameSize bytes, which bounds what a damaged count may make us reserve.
        if (frameCount > framesEnd / MinFrameSize) {
            result.error = "the recording is corrupt: it claims " + std::to_string(frameCount) + " frames";
            return result;
        }
        recording.frames.reserve(frameCount);
    } else {
        recording.cut = true;
    }
    for (std::size_t f = 0; sealed ? f < frameCount : in.position() < framesEnd; ++f) {
        Frame frame;
        std::string fault;
        if (!ReadFrame(in, framesEnd, sealed, lastKind, frame, fault)) {
            if (!sealed && fault.empty()) break;  // the frame the cut went through
            result.error = FrameError(f, fault.empty() ? "runs past the end of the file" : fault);
            return result;
        }
        const bool last = sealed ? f + 1 == frameCount : in.position() == framesEnd;
        if (!frame.completed && !last) {
            if (!sealed) {
                // Cut inside the trailer written after an interrupted frame: that frame is the last.
                recording.frames.push_back(std::move(frame));
                break;
            }
            result.error = FrameError(f, "is unfinished but is not the last frame");
            return result;
        }
        recording.frames.push_back(std::move(frame));
    }
    if (!sealed) {
        if (recording.frames.empty()) {
            result.error = "the recording is truncated before its first complete frame (" +
                           std::to_string(bytes.size()) + " bytes, no end marker)";
        }
        return result;
    }
    if (in.position() != framesEnd) {
        result.error = "the recording is corrupt: " + std::to_string(framesEnd - in.position()) +
                       " stray bytes after the last frame";
        return result;
    }
    return result;
}

DecodeResult ReadRecordingFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        DecodeResult result;
        result.error = "cannot open the file";
        return result;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        DecodeResult result;
        result.error = "cannot read the file";
        return result;
    }
    return Decode(bytes);
}

Writer::~Writer() {
    // A writer dropped without Finish leaves a file without its end, which replays as far as it goes.
    if (file_) std::fclose(file_);
}

bool Writer::Open(const std::string& path, const Recording& header, std::string& error) {
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) {
        error = "cannot create the file";
        return false;
    }
    std::vector<std::uint8_t> bytes;
    AppendHeader(bytes, header);
    Put(bytes);
    if (std::fflush(file_) != 0) failed_ = true;
    return true;
}

void Writer::Write(const Frame& frame) {
    std::vector<std::uint8_t> bytes;
    AppendFrame(bytes, frame);
    Put(bytes);
    ++frames_;
    // Out of the process at once: a run that crashes or is killed keeps every frame it completed.
    if (file_ && std::fflush(file_) != 0) failed_ = true;
}

bool Writer::Finish(std::string& error) {
    if (!file_) return false;
    std::vector<std::uint8_t> bytes;
    PutChars(bytes, EndMagic);
    PutU32(bytes, frames_);
    Put(bytes);
    std::vector<std::uint8_t> crc;
    PutU32(crc, crc_);
    if (std::fwrite(crc.data(), 1, crc.size(), file_) != crc.size()) failed_ = true;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    if (failed_) error = "writing the file failed";
    return !failed_;
}

void Writer::Put(const std::vector<std::uint8_t>& bytes) {
    crc_ = Crc32(bytes, crc_);
    if (file_ && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
}

}  // namespace velkor::replay
