// A map's custom properties ("MaxTime", "CollectiblesRequred", "Audio", "FallDelayTime"): the whole
// map document is accepted too, as the level reads its "properties" member.
#include <rapidjson/document.h>

#include "fuzz_support.hpp"
#include "levels/level_state.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkor::Registry& registry = velkor::fuzz::Start();
    rapidjson::Document document;
    document.Parse(reinterpret_cast<const char*>(data), size);
    if (document.HasParseError()) return 0;
    const rapidjson::Value* properties = &document;
    if (document.IsObject()) {
        auto it = document.FindMember("properties");
        if (it != document.MemberEnd()) properties = &it->value;
    }
    velkor::levels::ReadMapProperties(*properties, registry);
    registry.singletons.remove<velkor::singleton::Level>();
    registry.clear();
    return 0;
}
