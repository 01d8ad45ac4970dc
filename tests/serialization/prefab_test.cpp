#include "serialization/prefab.hpp"

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "serialization/catalogue.hpp"
#include "serialization/transform.hpp"
#include "support/trace_capture.hpp"
#include "support/json.hpp"
#include "support/temp_dir.hpp"

namespace velkor {
namespace {

using component::Transform;

std::string WriteFile(const std::string& name, const std::string& text) {
    const std::string path = test::TempDir() + name;
    std::ofstream(path) << text;
    return path;
}

using test::Parse;

TEST(ReadJsonFile, MissingFileGivesAnEmptyDocumentAndNoEntity) {
    test::TraceCapture trace;
    const auto document = ReadJsonFile("Data/NoSuchFile.json");
    EXPECT_TRUE(document.IsNull());
    EXPECT_EQ(trace.messages(), (std::vector<std::string>{"Reading JSON file with name Data/NoSuchFile.json\n",
                                                          "Data/NoSuchFile.json did not open.\n"}));
    auto reg = std::make_unique<Registry>();
    EXPECT_EQ(CreateEntity(document, *reg), NoEntity);
    EXPECT_TRUE(trace.contains("Passed document was not an object!\n"));
    EXPECT_EQ(reg->next(), 0u) << "no entity created";
}

TEST(ReadJsonFile, MalformedDocumentsAreRejectedWithTheParserText) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {R"({"Transform": {}} x)", "RapidJSON Error: The document root must not be followed by other values.\n"},
        {"", "RapidJSON Error: The document is empty.\n"},
        {"// comment\n{\"Transform\": {}}", "RapidJSON Error: Invalid value.\n"},
        {R"({"Transform": {"Rotation": 1,}})", "RapidJSON Error: Missing a name for object member.\n"},
        {R"({"Transform": [1, 2,]})", "RapidJSON Error: Invalid value.\n"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string path = WriteFile("bad" + std::to_string(n++) + ".json", c.text);
        test::TraceCapture trace;
        const auto document = ReadJsonFile(path);
        EXPECT_TRUE(document.IsNull()) << c.text;
        EXPECT_EQ(trace.messages(), (std::vector<std::string>{"Reading JSON file with name " + path + "\n", c.error}))
            << c.text;
    }
}

TEST(ReadJsonFile, ReadsAWellFormedFile) {
    const std::string path = WriteFile("good.json", "{\n  \"Transform\": {\"Translation\": [1, 2]}\n}\n");
    test::TraceCapture trace;
    const auto document = ReadJsonFile(path);
    ASSERT_TRUE(document.IsObject());
    EXPECT_TRUE(document.HasMember("Transform"));
    EXPECT_EQ(trace.messages().size(), 1u);
}

TEST(CreateEntity, ReadsKnownComponentsAndSkipsUnknownNames) {
    auto reg = std::make_unique<Registry>();
    const auto prefab = Parse(R"({"Transform": {"Translation": [1, 2]}, "Sparkles": {"a": 1}, "transform": {}, "Input": {}})");
    test::TraceCapture trace;
    const Entity e = CreateEntity(prefab, *reg);
    ASSERT_TRUE(reg->alive(e));
    ASSERT_TRUE(reg->has<Transform>(e));
    EXPECT_EQ(reg->get<Transform>(e).Translation, glm::vec2(1.0f, 2.0f));
    EXPECT_EQ(trace.messages(), (std::vector<std::string>{"Unrecognized component name: Sparkles\n",
                                                          "Unrecognized component name: transform\n",
                                                          "Unrecognized component name: Input\n"}));
}

TEST(CreateEntity, EmptyObjectGivesAnEntityWithoutComponents) {
    auto reg = std::make_unique<Registry>();
    (void)reg->create();
    const Entity e = CreateEntity(Parse("{}"), *reg);
    EXPECT_EQ(e, 1u);
    EXPECT_TRUE(reg->signature(e).none());
    EXPECT_EQ(CreateEntity(Parse("[1, 2]"), *reg), NoEntity);
}

TEST(CreateEntity, RepeatedMembersReadIntoOneComponent) {
    auto reg = std::make_unique<Registry>();
    const auto prefab = Parse(R"({"Transform": {"Translation": [1, 2], "Rotation": 10}, "Transform": {"Rotation": 20}})");
    const Entity e = CreateEntity(prefab, *reg);
    EXPECT_EQ(reg->pool<Transform>().size(), 1u);
    EXPECT_EQ(reg->get<Transform>(e).Translation, glm::vec2(1.0f, 2.0f));
    EXPECT_FLOAT_EQ(reg->get<Transform>(e).Rotation, 20.0f);
}

TEST(CreateEntity, AThrowingReaderStopsReadingAndTheNewEntityIsReturned) {
    ComponentCatalogue catalogue = Catalogue();
    const int physics = *FindComponent("Physics");
    catalogue.readers[physics] = [](Entity, Registry&, const rapidjson::Value&) { throw std::runtime_error("bad physics"); };
    auto reg = std::make_unique<Registry>();
    (void)reg->create();  // entity 0 is someone else's
    const auto prefab = Parse(R"({"Transform": {"Rotation": 5}, "Physics": {}, "Transform": {"Rotation": 9}})");
    testing::internal::CaptureStdout();
    const Entity e = CreateEntity(prefab, *reg, catalogue);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "bad physics\n");
    EXPECT_EQ(e, 1u) << "the partly built entity, not identifier 0";
    EXPECT_TRUE(reg->alive(e));
    EXPECT_FLOAT_EQ(reg->get<Transform>(e).Rotation, 5.0f) << "members after the throw are not read";
}

TEST(CreateEntities, OneEntityPerMemberReusingFreedIdentifiersLastFirst) {
    auto reg = std::make_unique<Registry>();
    for (int i = 0; i < 5; ++i) (void)reg->create();
    reg->destroy(1);
    reg->destroy(3);
    const auto group = Parse(R"({"sky": {"Transform": {"Translation": [0, 9]}}, "same": {}, "same": {"Transform": {}}})");
    CreateEntities(group, *reg);
    EXPECT_EQ(reg->get<Transform>(3).Translation, glm::vec2(0.0f, 9.0f));
    EXPECT_TRUE(reg->alive(1));
    EXPECT_FALSE(reg->has<Transform>(1));
    EXPECT_TRUE(reg->has<Transform>(5));
    EXPECT_EQ(reg->next(), 6u);

    CreateEntities(rapidjson::Value(), *reg);  // an unreadable file's empty document
    EXPECT_EQ(reg->next(), 6u);
}

}  // namespace
}  // namespace velkor
