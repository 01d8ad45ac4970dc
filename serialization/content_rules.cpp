#include "serialization/content_rules.hpp"

#include "serialization/catalogue.hpp"

namespace velkor {

std::string JoinPointer(const std::string& pointer, std::string_view member) {
    std::string joined = pointer + "/";
    for (char ch : member) {
        if (ch == '~') joined += "~0";
        else if (ch == '/') joined += "~1";
        else joined += ch;
    }
    return joined;
}

std::string JoinPointer(const std::string& pointer, rapidjson::SizeType index) {
    return pointer + "/" + std::to_string(index);
}

const char* JsonTypeName(const rapidjson::Value& v) {
    switch (v.GetType()) {
    case rapidjson::kNullType: return "null";
    case rapidjson::kFalseType:
    case rapidjson::kTrueType: return "a boolean";
    case rapidjson::kObjectType: return "an object";
    case rapidjson::kArrayType: return "an array";
    case rapidjson::kStringType: return "a string";
    case rapidjson::kNumberType: return "a number";
    }
    return "a value";
}

ContentForm GuessForm(const rapidjson::Value& document) {
    const bool object = document.IsObject();
    const auto type = object && document.HasMember("type") && document["type"].IsString()
                          ? std::string_view(document["type"].GetString())
                          : std::string_view();
    if (type == "map" || (object && document.HasMember("layers"))) return ContentForm::Map;
    if (type == "tileset") return ContentForm::Tileset;
    if (type == "template") return ContentForm::Template;
    if (object && (document.HasMember("skeleton") || document.HasMember("bones"))) return ContentForm::Skeleton;
    if (object && (document.HasMember("DefaultMix") || document.HasMember("Mixes") || document.HasMember("AnimationAliases")))
        return ContentForm::AnimationData;
    if (object && document.HasMember("Files")) return ContentForm::AudioList;
    if (document.IsArray()) return ContentForm::LevelProperties;
    bool anyComponent = false;
    bool allObjects = object;
    if (object)
        for (const auto& m : document.GetObject()) {
            anyComponent = anyComponent || FindComponent(m.name.GetString()).has_value();
            allObjects = allObjects && m.value.IsObject();
        }
    return (!anyComponent && allObjects && document.MemberCount() > 0) ? ContentForm::Group : ContentForm::Prefab;
}

}  // namespace velkor
