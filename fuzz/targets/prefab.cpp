// JSON prefab and entity-group documents through the component readers.
#include <rapidjson/document.h>

#include "fuzz_support.hpp"
#include "serialization/prefab.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkor::Registry& registry = velkor::fuzz::Start();
    rapidjson::Document document;
    document.Parse(reinterpret_cast<const char*>(data), size);
    if (document.HasParseError()) return 0;
    velkor::CreateEntity(document, registry);
    velkor::CreateEntities(document, registry);
    registry.clear();
    return 0;
}
