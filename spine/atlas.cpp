#include "spine/atlas.hpp"

#include <charconv>

#include "engine/trace.hpp"
#include "spine/read_file.hpp"

namespace velkor::spine {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Comma-separated values of a "key: a, b, ..." line.
std::vector<std::string_view> Values(std::string_view s) {
    std::vector<std::string_view> out;
    while (true) {
        const auto comma = s.find(',');
        out.push_back(Trim(s.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        s.remove_prefix(comma + 1);
    }
    return out;
}

bool ToInt(std::string_view s, int& out) {
    const auto result = std::from_chars(s.data(), s.data() + s.size(), out);
    return result.ec == std::errc() && result.ptr == s.data() + s.size();
}

// Fills `out` with exactly `n` integers, or reports false.
bool Ints(std::string_view value, std::size_t n, int* out) {
    const auto values = Values(value);
    if (values.size() != n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (!ToInt(values[i], out[i])) return false;
    return true;
}

bool ToFilter(std::string_view s, TextureFilter& out) {
    static constexpr std::pair<std::string_view, TextureFilter> names[] = {
        {"Nearest", TextureFilter::Nearest},
        {"Linear", TextureFilter::Linear},
        {"MipMap", TextureFilter::MipMap},
        {"MipMapNearestNearest", TextureFilter::MipMapNearestNearest},
        {"MipMapLinearNearest", TextureFilter::MipMapLinearNearest},
        {"MipMapNearestLinear", TextureFilter::MipMapNearestLinear},
        {"MipMapLinearLinear", TextureFilter::MipMapLinearLinear}};
    for (const auto& [name, filter] : names)
        if (s == name) {
            out = filter;
            return true;
        }
    return false;
}

class Parser {
public:
    Parser(const std::string& source, const std::string& directory, TextureLoader* loader)
        : source_(source), directory_(directory), loader_(loader) {}

    std::unique_ptr<Atlas> Run(std::string_view text) {
        auto atlas = std::make_unique<Atlas>();
        atlas_ = atlas.get();
        enum class In { Nothing, Page, Region } in = In::Nothing;
        while (!text.empty()) {
            const auto end = text.find('\n');
            const std::string_view line = Trim(text.substr(0, end));
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            ++lineNumber_;
            if (line.empty()) {
                if (in != In::Nothing && !FinishPage()) return nullptr;
                in = In::Nothing;
                continue;
            }
            const auto colon = line.find(':');
            if (colon == std::string_view::npos) {
                if (in == In::Nothing) {
                    atlas_->pages.emplace_back().name = std::string(line);
                    in = In::Page;
                } else {
                    if (in == In::Page && !LoadPage()) return nullptr;
                    AtlasRegion region;
                    region.name = std::string(line);
                    region.page = static_cast<int>(atlas_->pages.size()) - 1;
                    atlas_->regions.push_back(std::move(region));
                    in = In::Region;
                }
                continue;
            }
            const std::string_view key = Trim(line.substr(0, colon));
            const std::string_view value = Trim(line.substr(colon + 1));
            if (in == In::Nothing) {
                // Header lines before the first page (a newer export's atlas-wide keys): skip them.
                continue;
            }
            const bool ok = in == In::Page ? PageKey(key, value) : RegionKey(key, value);
            if (!ok) return Fail("bad value for \"" + std::string(key) + "\"");
        }
        if (in != In::Nothing && !FinishPage()) return nullptr;
        if (atlas_->pages.empty()) return Fail("no pages");
        return atlas;
    }

private:
    std::nullptr_t Fail(const std::string& what) {
        Trace("Atlas " + source_ + ", line " + std::to_string(lineNumber_) + ": " + what + "\n");
        return nullptr;
    }

    bool PageKey(std::string_view key, std::string_view value) {
        AtlasPage& page = atlas_->pages.back();
        if (key == "size") {
            int v[2];
            if (!Ints(value, 2, v) || v[0] < 0 || v[1] < 0) return false;
            page.width = v[0];
            page.height = v[1];
        } else if (key == "format") {
            page.format = std::string(value);
        } else if (key == "filter") {
            const auto v = Values(value);
            if (v.size() != 2 || !ToFilter(v[0], page.minFilter) || !ToFilter(v[1], page.magFilter)) return false;
        } else if (key == "repeat") {
            page.uWrap = value.find('x') != std::string_view::npos ? TextureWrap::Repeat : TextureWrap::ClampToEdge;
            page.vWrap = value.find('y') != std::string_view::npos ? TextureWrap::Repeat : TextureWrap::ClampToEdge;
            if (value != "none" && value != "x" && value != "y" && value != "xy") return false;
        } else if (key == "pma") {
            page.pma = value == "true";
        }
        return true;
    }

    bool RegionKey(std::string_view key, std::string_view value) {
        AtlasRegion& region = atlas_->regions.back();
        int v[4];
        if (key == "rotate") {
            if (value == "true") region.degrees = 90;
            else if (value == "false") region.degrees = 0;
            else if (!ToInt(value, region.degrees) || (region.degrees != 0 && region.degrees != 90)) return false;
        } else if (key == "xy") {
            if (!Ints(value, 2, v)) return false;
            region.x = v[0];
            region.y = v[1];
        } else if (key == "size") {
            if (!Ints(value, 2, v) || v[0] < 0 || v[1] < 0) return false;
            region.width = v[0];
            region.height = v[1];
        } else if (key == "bounds") {
            if (!Ints(value, 4, v) || v[2] < 0 || v[3] < 0) return false;
            region.x = v[0];
            region.y = v[1];
            region.width = v[2];
            region.height = v[3];
        } else if (key == "orig") {
            if (!Ints(value, 2, v) || v[0] < 0 || v[1] < 0) return false;
            region.originalWidth = v[0];
            region.originalHeight = v[1];
        } else if (key == "offset") {
            if (!Ints(value, 2, v)) return false;
            region.offsetX = static_cast<float>(v[0]);
            region.offsetY = static_cast<float>(v[1]);
        } else if (key == "offsets") {
            if (!Ints(value, 4, v) || v[2] < 0 || v[3] < 0) return false;
            region.offsetX = static_cast<float>(v[0]);
            region.offsetY = static_cast<float>(v[1]);
            region.originalWidth = v[2];
            region.originalHeight = v[3];
        } else if (key == "index") {
            if (!ToInt(value, region.index)) return false;
        }
        return true;
    }

    // The page's header is complete once its first region (or its end) is reached.
    bool LoadPage() {
        AtlasPage& page = atlas_->pages.back();
        if (pageLoaded_) return true;
        pageLoaded_ = true;
        if (loader_) loader_->Load(page, directory_.empty() ? page.name : directory_ + "/" + page.name);
        return true;
    }

    bool FinishPage() {
        LoadPage();
        pageLoaded_ = false;
        const AtlasPage& page = atlas_->pages.back();
        const int pageIndex = static_cast<int>(atlas_->pages.size()) - 1;
        for (auto& region : atlas_->regions) {
            if (region.page != pageIndex) continue;
            if (region.originalWidth == 0 && region.originalHeight == 0) {
                region.originalWidth = region.width;
                region.originalHeight = region.height;
            }
            // The stored rectangle of a rotated region is height wide and width tall.
            const int storedW = region.rotated() ? region.height : region.width;
            const int storedH = region.rotated() ? region.width : region.height;
            const float pw = page.width > 0 ? static_cast<float>(page.width) : 1.0f;
            const float ph = page.height > 0 ? static_cast<float>(page.height) : 1.0f;
            region.u = static_cast<float>(region.x) / pw;
            region.v = static_cast<float>(region.y) / ph;
            region.u2 = static_cast<float>(region.x + storedW) / pw;
            region.v2 = static_cast<float>(region.y + storedH) / ph;
        }
        if (page.width <= 0 || page.height <= 0) {
            Fail("page \"" + page.name + "\" has no size");
            return false;
        }
        return true;
    }

    const std::string& source_;
    const std::string& directory_;
    TextureLoader* loader_;
    Atlas* atlas_ = nullptr;
    int lineNumber_ = 0;
    bool pageLoaded_ = false;
};

}  // namespace

std::unique_ptr<Atlas> Atlas::Parse(std::string_view text, const std::string& directory, TextureLoader* loader,
                                    const std::string& source) {
    Parser parser(source, directory, loader);
    return parser.Run(text);
}

std::unique_ptr<Atlas> Atlas::Load(const std::string& path, TextureLoader* loader) {
    const auto text = ReadWholeFile(path);
    if (!text) {
        Trace("Atlas " + path + ": cannot open the file\n");
        return nullptr;
    }
    const auto slash = path.find_last_of("/\\");
    const std::string directory = slash == std::string::npos ? std::string() : path.substr(0, slash);
    return Parse(*text, directory, loader, path);
}

Atlas::~Atlas() {
    for (auto& page : pages)
        if (page.releaseRendererObject && page.rendererObject) page.releaseRendererObject(page.rendererObject);
}

const AtlasRegion* Atlas::FindRegion(std::string_view name) const {
    for (const auto& region : regions)
        if (region.name == name) return &region;
    return nullptr;
}

}  // namespace velkor::spine
