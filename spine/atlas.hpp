// Texture atlases in the libGDX text format that skeleton exports come with.
//
// Contract:
// - An atlas is one or more pages; a page names its image and carries size, format, filter, repeat
//   and premultiplied-alpha flags; its regions carry their place on the page (both the older
//   "xy"/"size"/"orig"/"offset" keys and the newer "bounds"/"offsets" keys are read), rotation and
//   index. Unknown keys are skipped; nine-patch "split" and "pad" are read and ignored.
// - Page images are loaded through a TextureLoader while the atlas is read: the loader gets the
//   page and the image path (relative to the atlas file's folder) and stores what the renderer needs
//   in AtlasPage::rendererObject. The atlas keeps no reference to the loader afterwards.
// - Region texture coordinates are in page space, (0, 0) the page's top-left, v growing downwards.
// - A file that is missing or malformed gives a trace message naming the file and line and no
//   atlas (nullptr); never an exception.
// - Regions and pages are never moved once the atlas exists: attachments keep pointers to regions.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velkor::spine {

struct AtlasPage;

// The game's side of page loading.
class TextureLoader {
public:
    virtual ~TextureLoader() = default;
    // Loads the image at `path` for `page`: sets rendererObject and, when known, width and height.
    virtual void Load(AtlasPage& page, const std::string& path) = 0;
    // Gives back what Load stored.
    virtual void Unload(void* texture) = 0;
};

enum class TextureFilter { Nearest, Linear, MipMap, MipMapNearestNearest, MipMapLinearNearest, MipMapNearestLinear,
                           MipMapLinearLinear };
enum class TextureWrap { ClampToEdge, Repeat };

struct AtlasPage {
    std::string name;
    int width = 0;
    int height = 0;
    std::string format = "RGBA8888";
    TextureFilter minFilter = TextureFilter::Nearest;
    TextureFilter magFilter = TextureFilter::Nearest;
    TextureWrap uWrap = TextureWrap::ClampToEdge;
    TextureWrap vWrap = TextureWrap::ClampToEdge;
    bool pma = false;
    void* rendererObject = nullptr;
    // When set, the atlas calls it on rendererObject when it is destroyed.
    void (*releaseRendererObject)(void*) = nullptr;
};

struct AtlasRegion {
    std::string name;
    int page = 0;  // index into Atlas::pages
    int x = 0, y = 0;  // top-left on the page
    int width = 0, height = 0;  // packed size, before rotation
    int originalWidth = 0, originalHeight = 0;  // size before whitespace stripping
    float offsetX = 0, offsetY = 0;  // stripped whitespace at the left and bottom
    int degrees = 0;  // 0 or 90: stored rotated 90 degrees counter-clockwise on the page
    int index = -1;
    float u = 0, v = 0, u2 = 0, v2 = 0;  // page-space corners of the stored rectangle
    [[nodiscard]] bool rotated() const noexcept { return degrees == 90; }
};

class Atlas {
public:
    // Reads `path`; nullptr (with a trace message) when the file is missing or malformed.
    [[nodiscard]] static std::unique_ptr<Atlas> Load(const std::string& path, TextureLoader* loader);
    // Reads atlas text; image paths are joined to `directory`. `source` names it in messages.
    [[nodiscard]] static std::unique_ptr<Atlas> Parse(std::string_view text, const std::string& directory,
                                                      TextureLoader* loader, const std::string& source);

    Atlas() = default;
    Atlas(const Atlas&) = delete;
    Atlas& operator=(const Atlas&) = delete;
    ~Atlas();

    // First region of that name (lowest position in the file), or nullptr.
    [[nodiscard]] const AtlasRegion* FindRegion(std::string_view name) const;

    std::vector<AtlasPage> pages;
    std::vector<AtlasRegion> regions;
};

}  // namespace velkor::spine
